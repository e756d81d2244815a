#pragma once

#include <QDialog>
#include <QMessageBox>

#include <functional>

class QDialogButtonBox;
class QPlainTextEdit;
class QPushButton;
class RunSummary;

// The end of a finished run: its message ("Proceso finalizado", with the
// count of warnings when there are any, then beside the warning icon) over
// the summary's details, warnings first, in a resizable area large enough to
// read a school's figures without scrolling. "Copiar" puts the whole text on
// the clipboard for a support request; "Abrir registro" opens the run log.
// An import that replaced tables may also be undone from here; what the
// undo does is the caller's, the window only offers it.
class SummaryWindow : public QDialog {
    Q_OBJECT
public:
    SummaryWindow(const QString &caption, const QString &text, const RunSummary &summary, QWidget *parent = nullptr);

    // The details area shows at least this many columns and lines.
    static constexpr int minimumColumns = 70;
    static constexpr int minimumLines = 20;

    QMessageBox::Icon icon() const;
    QString text() const;
    QPlainTextEdit *detailsArea() const;
    QPushButton *copyButton() const;
    QPushButton *openLogButton() const;
    // "Deshacer esta importación", which runs `undo`; the window closes once
    // `undo` says it has undone the run, since it no longer describes the
    // working tables.
    void offerUndo(std::function<bool()> undo);
    // The undo button, or none when no undo is offered.
    QPushButton *undoButton() const;
    // Everything the window says, as "Copiar" copies it.
    QString wholeText() const;

private:
    void openLog();
    // The details area's size for `columns` and `lines` of its font.
    QSize areaSize(int columns, int lines) const;
    // As large as the details ask for, within the minimum and the screen.
    void fitToDetails(const QStringList &details);

    QMessageBox::Icon m_icon;
    QString m_text;
    QPlainTextEdit *m_details;
    QPushButton *m_copy;
    QPushButton *m_openLog;
    QDialogButtonBox *m_buttons;
    QPushButton *m_undo = nullptr;
};
