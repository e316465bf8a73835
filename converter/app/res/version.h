// Quorvex's version: the one place it is written. The resources (the About
// box and the version record) and scripts/package (the package names) read
// it from here.
#pragma once

#define QUORVEX_VERSION_MAJOR 1
#define QUORVEX_VERSION_MINOR 2
#define QUORVEX_VERSION_PATCH 0
#define QUORVEX_VERSION_BUILD 1024

#define QUORVEX_VERSION_STRING_(x) #x
#define QUORVEX_VERSION_STRING(x) QUORVEX_VERSION_STRING_(x)
// "1.2.0.1024", as adjacent literals (the resource compiler joins them too).
#define QUORVEX_VERSION_TEXT                                                                   \
    QUORVEX_VERSION_STRING(QUORVEX_VERSION_MAJOR) "." QUORVEX_VERSION_STRING(QUORVEX_VERSION_MINOR) "." \
    QUORVEX_VERSION_STRING(QUORVEX_VERSION_PATCH) "." QUORVEX_VERSION_STRING(QUORVEX_VERSION_BUILD)
