#pragma once

#include <QDialog>

#include <array>

class CursosGrid;
class CursosTableModel;
class QLabel;
class QPushButton;
class QScreen;
class QScrollArea;
class QToolButton;
namespace centre_import {
class TControlCursos;
}

// The level and course dialog's window: binds one pass of TControlCursos to
// the grid CursosTDBGrid, the navigator wwDBNavigator1, the labels and the
// buttons BitBtn1 (OK), BitBtn2 (forced exit) and BSugerir. The widgets bear
// the components' names as object names. The controls keep their designed
// places, scaled with the user's font; a screen too small for them scrolls.
class ControlCursosWindow : public QDialog {
    Q_OBJECT
public:
    ControlCursosWindow(centre_import::TControlCursos &dialog, QWidget *owner);
    ~ControlCursosWindow() override;

    // FormShow runs as the window is about to be shown; then the window is
    // modal until the pass ends.
    void run();

protected:
    void reject() override;
    void showEvent(QShowEvent *event) override;

private:
    QRect scaled(const QRect &designed) const;
    void fitToScreen(QScreen *screen);
    void buildLabels();
    void buildNavigator();
    void buildGrid();
    void sync();
    void onFocusChanged(QWidget *now);
    void onCurrentChanged(const QModelIndex &current);
    void showTextRefused(int column);
    void pressOk();
    void pressForcedExit();

    centre_import::TControlCursos &m_dialog;
    CursosGrid *m_grid = nullptr;
    CursosTableModel *m_model = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_forcedExit = nullptr;
    QPushButton *m_suggest = nullptr;
    QScrollArea *m_scrollArea = nullptr;
    QLabel *m_collisionLine = nullptr;
    QLabel *m_refusedLine = nullptr;
    QLabel *m_suggestionLine = nullptr;
    QLabel *m_label2 = nullptr;
    QLabel *m_label3 = nullptr;
    QLabel *m_label8 = nullptr;
    std::array<QToolButton *, 10> m_navigator{};
    QMetaObject::Connection m_focusWatch;
    int m_column = -1; // the grid's current column, for CursosTDBGridColEnter
    bool m_syncing = false;
    double m_scale = 1; // the controls' size against the designed one
    QSize m_frame;      // what the window manager's frame adds to the window
};

// Shows the level and course dialog over `dialog` modally, owned by `owner`,
// and returns once it has closed.
void showControlCursosModal(centre_import::TControlCursos &dialog, QWidget *owner);
