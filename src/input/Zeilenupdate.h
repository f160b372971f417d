#pragma once

// Sets the input's ZeilenUpdate guard for one scope: while it is set, the
// fields the input changes itself do not start the change dispatch. Every
// path out of the scope clears it, an exception included.
class Zeilenupdate {
public:
    explicit Zeilenupdate(bool& flag)
        : flag_(flag) {
        flag_ = true;
    }
    ~Zeilenupdate() { flag_ = false; }
    Zeilenupdate(const Zeilenupdate&) = delete;
    Zeilenupdate& operator=(const Zeilenupdate&) = delete;

private:
    bool& flag_;
};
