#pragma once

#include "document/UpdateHint.h"

// A view of the document: told of every change by an update hint, it reads what it needs
// from the document itself.
class DocumentView {
public:
    virtual ~DocumentView() = default;
    virtual void onUpdate(DocumentView* sender, UpdateHint hint) = 0;
};
