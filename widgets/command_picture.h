#pragma once

// A picture button of the program's windows: a picture in a box that takes a 3-D look while the mouse button
// is held down on it and runs its command when the button is released. Its label twin, the caption below or
// beside it, behaves the same: pressing the twin gives the picture the 3-D look, releasing runs the command.

#include <QPixmap>
#include <QWidget>

namespace tervalo {

class CommandPicture : public QWidget {
    Q_OBJECT

  public:
    enum class PressLook { Sunken, Raised };

    CommandPicture(PressLook look, QSize boxSize, QWidget* parent = nullptr);

    // A null picture leaves the box empty; the button still works.
    void SetPicture(const QPixmap& picture);
    const QPixmap& Picture() const { return picture_; }

    // Another widget, usually the label beneath, whose mouse press and release act on this button.
    void AddTwin(QWidget* twin);

    bool IsPressed() const { return pressed_; }
    // Back to the flat look without running the command (the pointer left for the window's background).
    void ShowFlat();

    QSize sizeHint() const override { return boxSize_; }

  signals:
    // The command: the mouse button was released after a press on the button or on its twin.
    void Released();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Press();
    void Release();

    PressLook look_;
    QSize boxSize_;
    QPixmap picture_;
    bool pressed_ = false;
};

}  // namespace tervalo
