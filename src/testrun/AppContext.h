#pragma once

#include "components/Platform.h"
#include "components/RandomSource.h"
#include "components/Services.h"
#include "testrun/mdl_KolTest.h"

// Everything a window works with besides its own controls: the shared test-run state, the component
// library's services and tools, the platform and the process's source of chance.
struct AppContext {
    mdl_KolTest& state;
    SharedServices& services;
    SharedTools& tools;
    Platform& platform;
    RandomSource& random;
};
