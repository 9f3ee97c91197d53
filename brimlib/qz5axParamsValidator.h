// Consistency checks of a parameter set.
#pragma once

#include "brimlib/qz5axParams.h"
#include "brimlib/qzException.h"

#include <vector>

/// Plain consistency checks of a parameter set. Each problem found is one qz5axParamsEx in the
/// returned list (empty when the set is sound); nothing is changed.
///
/// Validate reports, with these codes:
/// - 2430 "Cut tolerance must be positive" (GetCutTolerance() <= 0);
/// - 2431 "Feed rates must not be negative" (feed, plunge, retract or rapid feed rate < 0);
/// - 2432 "Machine definition missing" (empty GetMachDef());
/// - 2433 "Collision control needs 4 operations" (other than four operations held);
/// - 2434 "Avoid tilt angles out of order" (an active operation whose minimum exceeds its maximum);
/// - and, for each operation, what AvoidTiltDir finds.
class TESSAFORM_API qz5axParamsValidator
{
public:
    /// The problems of `params` (codes above); without `checkAll` it stops after the set-wide
    /// checks 2430 to 2433 when one of them failed, before looking at each operation.
    static std::vector<misc::qzException> Validate(const qz5axParams& params, bool checkAll);

    /// Checks the avoid-tilt direction of collision-control operation `index`. An active
    /// operation with a direction outside the known values 0 to 7 is rejected by throwing
    /// qz5axParamsEx 2435 "Invalid avoid tilt direction in collision control operation"; with
    /// `report` set, an index beyond the operations held is returned as 2433 instead of thrown.
    static std::vector<misc::qzException> AvoidTiltDir(const qz5axParams& params, unsigned int index, bool report);
};
