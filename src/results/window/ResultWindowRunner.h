#pragma once

class frm_AppResult;

// What the result windows of one program run share. It lives as long as the program, so the anthem plays
// at most once while the program runs, however many tests are taken.
struct ResultRunMemory {
    bool AnthemPlayed = false;
};

// Shows the result window at the end of a test run: builds its view, runs its load handler ShowResults and
// returns once the window has closed ("Ja", or the window's close box). The desktop layer shows it
// modally; test doubles press its buttons. A runner lives as long as the program, and with it the memory
// that its result windows share.
class ResultWindowRunner {
public:
    virtual ~ResultWindowRunner() = default;
    virtual void ShowResultWindowModal(frm_AppResult& window) = 0;

    ResultRunMemory memory;
};
