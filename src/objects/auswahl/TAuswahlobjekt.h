#pragma once
// What the answer pattern and the evaluation read of a choice object: whether it takes part
// in the evaluation and whether the learner chose it.

class TAuswahlobjekt {
public:
    virtual ~TAuswahlobjekt() = default;

    bool Bewertung = false; // field 1251: the object takes part in the page's evaluation
    virtual bool Gewaehlt() const = 0;
};
