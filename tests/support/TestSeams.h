#pragma once

#include "desktop/Clock.h"
#include "desktop/FileDialogs.h"
#include "desktop/MessageBoxes.h"
#include "desktop/Printing.h"
#include "desktop/UrlOpener.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

// Test doubles for every seam of the program. SeamFixture (tests/support/SeamFixture.h) makes one TestSeams per test
// function: it installs all doubles and points the settings store at a fresh temporary file. When destroyed it
// restores the real seam only where its own double is still installed, so an old TestSeams that outlives the next
// test's one never puts the real dialogs back under that test.

class RecordingMessageBoxes : public MessageBoxes
{
public:
    QMessageBox::StandardButton ask(QWidget* parent, const MessageRequest& request) override;

    // Answers are taken in order; a box with only an OK button answers OK by itself when nothing is queued.
    void queueAnswer(QMessageBox::StandardButton answer) { m_answers.enqueue(answer); }

    QList<MessageRequest> shown;
    QList<QWidget*> parents;
    // Set when a box that needed a decision found no queued answer; the fixture checks it in cleanup.
    bool missingAnswer = false;
    QStringList unanswered; // the texts of those boxes

    // Answers queued that no box asked for.
    qsizetype unusedAnswers() const { return m_answers.size(); }

    QString lastText() const { return shown.isEmpty() ? QString() : shown.constLast().text; }
    QStringList texts() const;

private:
    QQueue<QMessageBox::StandardButton> m_answers;
};

class ScriptedFileDialogs : public FileDialogs
{
public:
    QString getOpenFileName(QWidget* parent, const FileDialogRequest& request) override;
    QString getSaveFileName(QWidget* parent, const FileDialogRequest& request) override;

    // The name the next dialog returns; empty means Cancel.
    QString nextFileName;
    QList<FileDialogRequest> openRequests;
    QList<FileDialogRequest> saveRequests;
};

class RecordingUrlOpener : public UrlOpener
{
public:
    void open(const QUrl& url) override { opened.append(url); }
    QList<QUrl> opened;
    QStringList openedStrings() const;
};

class PdfPrinting : public Printing
{
public:
    bool print(const QTextDocument& document, QString* errorText) override;

    QString outputFile; // where the PDF goes
    bool failNext = false; // pretend there is no printer
    int jobs = 0;
    QString lastPlainText;
};

class FixedClock : public Clock
{
public:
    QDate today() override { return date; }
    double random() override;

    QDate date = QDate(2026, 12, 9);
    QList<double> randomValues; // taken in order; 0.0 when exhausted
};

class TestSeams
{
public:
    TestSeams();
    ~TestSeams();
    TestSeams(const TestSeams&) = delete;
    TestSeams& operator=(const TestSeams&) = delete;

    RecordingMessageBoxes messages;
    ScriptedFileDialogs files;
    RecordingUrlOpener urls;
    PdfPrinting printing;
    FixedClock clock;
    QTemporaryDir dir;

    QString settingsFile() const;
    QString pathInDir(const QString& name) const { return dir.filePath(name); }

    // What a test arranged or left behind that it never checked: boxes without an answer, answers and a file name
    // nobody asked for, a print failure nobody triggered. Empty when the test used the doubles as it meant to.
    QStringList looseEnds() const;
};
