// Decimal text of an integer, as used for the numbered registry names
// ("0", "1", ...) of the settings tables.
#pragma once

#include <string>

// Decimal digits of n, with a leading "-" for negatives.
std::string NumberText(long long n);
