#pragma once

// A window whose texts come from the label file: it sets them when created
// and again when the user switches the language.
class Beschriftbar {
public:
    virtual ~Beschriftbar() = default;
    virtual void Beschriften() = 0;
};
