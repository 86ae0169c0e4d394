#pragma once

// The download program from start to end: its identity, then one window after another for as
// long as the user changes the language.
class Startup
{
public:
    static void setIdentity();
    static int run();
};
