// What the toolkit is told through the environment before it starts, by the
// program and by the benchmarks that start its window as the program does.
// Values the user has set stay.
#pragma once

class CToolkitEnvironment {
public:
    static void Prepare();
};
