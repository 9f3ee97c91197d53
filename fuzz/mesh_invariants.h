// Checks shared by the harnesses that produce meshes.
#pragma once

#include <cstdint>

// Every triangle corner must name a stored point; anything else is a finding.
template <class Mesh> void TrapOnDanglingCorners(const Mesh& mesh)
{
    for (const auto& triangle : mesh.GetTriangles())
        for (std::uint32_t v : triangle.vertices)
            if (v >= mesh.GetNumberOfPoints())
                __builtin_trap();
}
