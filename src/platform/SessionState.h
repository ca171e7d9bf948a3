#pragma once
// What the user is doing with the computer now, for changes that should
// wait: running on battery, or a program filling the screen.
namespace lv {

class SessionState {
public:
    virtual ~SessionState() = default;
    // True only when the system says it runs from its battery (a desktop
    // computer, or one that cannot tell, is on mains power).
    virtual bool onBattery() = 0;
    // A full-screen program (a game, a presentation, a film) has the screen.
    virtual bool fullScreenProgram() = 0;
};

} // namespace lv
