#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <optional>
#include <vector>

// Plays the user in widget tests: while it lives, every modal window a run
// opens is recorded and answered. The file dialog gets `fileChoice` (cancelled
// when there is none); a message box is answered with its default button (or
// accepted); any other modal window is closed by its close box.
class ModalAutopilot {
public:
    struct Seen {
        QString kind; // "file", "message" or the dialog's class name
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        bool hourglass = false; // whether the hourglass was on while it was shown
        QString fileFilter;     // file dialogs: Qt's name filters
        QString defaultSuffix;
        QString folder;
    };

    explicit ModalAutopilot(std::optional<QString> fileChoice = std::nullopt)
        : m_fileChoice(std::move(fileChoice))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { answer(); });
        m_timer.start(10);
    }
    ModalAutopilot(const ModalAutopilot &) = delete;
    ModalAutopilot &operator=(const ModalAutopilot &) = delete;

    std::vector<Seen> seen;

    std::vector<Seen> messageBoxes() const
    {
        std::vector<Seen> out;
        for (const Seen &s : seen)
            if (s.kind == QLatin1String("message"))
                out.push_back(s);
        return out;
    }

private:
    void answer()
    {
        // Answering may spin the event loop (a file dialog's selection does),
        // and a nested answer would act on a window the outer one is handling.
        if (m_answering)
            return;
        m_answering = true;
        answerActiveModal();
        m_answering = false;
    }

    void answerActiveModal()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        Seen s;
        s.title = modal->windowTitle();
        s.hourglass = QApplication::overrideCursor() != nullptr;
        if (auto *files = qobject_cast<QFileDialog *>(modal)) {
            s.kind = QStringLiteral("file");
            s.fileFilter = files->nameFilters().join(QStringLiteral(";;"));
            s.defaultSuffix = files->defaultSuffix();
            s.folder = files->directory().absolutePath();
            seen.push_back(s);
            if (m_fileChoice) {
                // Typed as a full path, as a user may type it: selecting the
                // file instead races with the dialog's own listing of the
                // folder, which may replace the selection by the folder.
                if (auto *name = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                    name->setText(*m_fileChoice);
                else
                    files->selectFile(*m_fileChoice);
                static_cast<QDialog *>(files)->accept(); // public as a QDialog
            } else {
                files->reject();
            }
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            s.kind = QStringLiteral("message");
            s.text = box->text();
            s.icon = box->icon();
            s.buttons = box->standardButtons();
            seen.push_back(s);
            if (QPushButton *button = box->defaultButton())
                button->click();
            else
                box->accept();
        } else {
            s.kind = QString::fromLatin1(modal->metaObject()->className());
            seen.push_back(s);
            modal->close();
        }
    }

    std::optional<QString> m_fileChoice;
    QTimer m_timer;
    bool m_answering = false;
};
