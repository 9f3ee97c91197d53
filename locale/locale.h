// Umbrella header of locale and resource access.
#pragma once

#include "locale/qzLocale.h"
