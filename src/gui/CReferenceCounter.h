// Shared ownership for views and bitmaps: an object starts with one reference and is
// deleted when the last one is given back.
#pragma once

class CReferenceCounter
{
public:
    CReferenceCounter() = default;
    CReferenceCounter(const CReferenceCounter&) = delete;
    CReferenceCounter& operator=(const CReferenceCounter&) = delete;
    virtual ~CReferenceCounter() = default;

    void remember() { ++references; }
    void forget()
    {
        if (--references == 0)
            delete this;
    }
    int getNbReference() const { return references; }

private:
    int references = 1;
};
