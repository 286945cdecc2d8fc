#pragma once

#define CLICKER_VERSION_NUMBERS 1, 0, 0, 0
#define CLICKER_VERSION_TEXT "1.0.0.0"
