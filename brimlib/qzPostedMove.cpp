#include "brimlib/qzPostedMove.h"

namespace post
{
qzPostedMove::~qzPostedMove() = default;

qzPostedTP::qzPostedTP() = default;
qzPostedTP::qzPostedTP(const qzPostedTP& other) = default;
qzPostedTP& qzPostedTP::operator=(const qzPostedTP& other) = default;
qzPostedTP::~qzPostedTP() = default;
} // namespace post
