#pragma once

// A window whose content is read again when it is shown while already open.
class Auffrischbar {
public:
    virtual ~Auffrischbar() = default;
    virtual void neuLaden() = 0;
};
