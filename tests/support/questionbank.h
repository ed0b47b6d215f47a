#pragma once

#include "bank/files.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

// A question bank in a temporary folder that the program reads as its own directory.
class QuestionBank {
public:
    QuestionBank() { quizra::setBankDirectory(dir_.path().toStdString()); }
    ~QuestionBank() { quizra::setBankDirectory({}); }
    QuestionBank(const QuestionBank &) = delete;
    QuestionBank &operator=(const QuestionBank &) = delete;

    // Writes a file of the bank, its text encoded in code page 932 with CRLF line ends.
    void write(const QString &name, const QString &text) const {
        QStringEncoder toCp932("windows-31j");
        QString crlf = text;
        crlf.replace("\n", "\r\n");
        writeBytes(name, toCp932(crlf));
    }
    void writeBytes(const QString &name, const QByteArray &bytes) const {
        QFile file(dir_.filePath(name));
        if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    }
    QString path(const QString &name = {}) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};
