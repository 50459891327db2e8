#pragma once

#include "window/windowlayout.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QLabel;
struct WindowControls;

namespace Ui {
class MainWindow;
}

// The main window. It is built from mainwindow.ui, mirrors the WindowLayout (which
// panels are shown, how large it is) and tells when it is being unloaded.
// Everything it shows lives in state objects; the panel classes bind them.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // 15 twips to a pixel at 96 DPI; Qt scales pixels for other densities.
    static constexpr int kTwipsPerPixel = 15;
    // What the outer sizes spend on the frame: two 4-pixel borders, and the
    // caption bar with the menu bar above the client area.
    static constexpr int kFrameWidthTwips = 120;
    static constexpr int kFrameHeightTwips = 780;

    explicit MainWindow(WindowLayout &layout, QWidget *parent = nullptr);
    ~MainWindow() override;

    Ui::MainWindow &ui() { return *m_ui; }
    // The arrays of controls, element by element.
    const WindowControls &controls() const { return *m_controls; }

    // The client area in pixels for an outer window size in twips.
    static QSize clientSizeFor(QSize outerTwips);
    // Pixels for a length in twips.
    static int pixels(int twips);

    // Centres the window on its screen, its outer size taken as given in twips.
    void centreOnScreen(QSize outerTwips);
    // Keeps the window above all others, or lets it go back among them.
    void setStayOnTop(bool on);
    bool isStayOnTop() const;
    // A short note for the host that needs no answer (where the files are,
    // a file that could not be saved): shown in the menu bar's corner.
    void showNotice(const QString &notice);

signals:
    // The window is being closed (either Exit, or its close box).
    void unloading();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void applyOuterSize(QSize outerTwips);
    void applyVisibility(WindowLayout::Panel panel, bool visible);

    std::unique_ptr<Ui::MainWindow> m_ui;
    std::unique_ptr<WindowControls> m_controls;
    WindowLayout &m_layout;
    std::array<QWidget *, WindowLayout::PanelCount> m_panels{};
    QLabel *m_notice = nullptr;
    bool m_unloaded = false;
};
