#include "wheel/Wheel.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace rotamind;

