#pragma once

#include "app/formslot.h"
#include "app/program.h"

#include <QCoreApplication>
#include <QEvent>
#include <QStringList>

// Replaces the message box and the end of the program for one test, and leaves no window
// behind: a test never blocks on a modal box and never ends the test process.
class ProgramSeams {
public:
    ProgramSeams() {
        Program::setMsgBoxHandler([this](const QString &text) { messages << text; });
        Program::setEndHandler([this] { ++ends; });
    }
    ~ProgramSeams() {
        FormSlotBase::DiscardAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Program::setMsgBoxHandler({});
        Program::setEndHandler({});
    }
    ProgramSeams(const ProgramSeams &) = delete;
    ProgramSeams &operator=(const ProgramSeams &) = delete;

    QStringList messages;
    int ends = 0;
};
