#pragma once

// A picture button of the program's windows: a picture in a box that takes a 3-D look while the mouse button
// is held down on it and runs its command when the button is released. Its label twin, the caption below or
// beside it, behaves the same: pressing the twin gives the picture the 3-D look, releasing runs the command.
// From the keyboard the button takes the focus (Tab), runs on Space or Enter, and on Alt with the letter its
// label twin underlines (see AssignMnemonics); a window's default button also runs on an Enter nothing else
// took.

#include <QPixmap>
#include <QWidget>
#include <vector>

class QAbstractButton;
class QLabel;

namespace tervalo {

class CommandPicture : public QWidget {
    Q_OBJECT

  public:
    enum class PressLook { Sunken, Raised };

    CommandPicture(PressLook look, QSize boxSize, QWidget* parent = nullptr);

    // A null picture leaves the box empty; the button still works.
    void SetPicture(const QPixmap& picture);
    const QPixmap& Picture() const { return picture_; }

    // Another widget, usually the label beneath, whose mouse press and release act on this button. A label
    // twin becomes the button's caption: its mnemonic runs the button and its text names it to a screen
    // reader.
    void AddTwin(QWidget* twin);

    // Makes this the button an Enter runs when pressed anywhere in `area` (a window or panel) and not taken
    // by the widget with the focus.
    void MakeDefaultIn(QWidget* area);
    bool IsDefault() const { return defaultArea_ != nullptr; }

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
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Press();
    void Release();
    void Run();

    PressLook look_;
    QSize boxSize_;
    QPixmap picture_;
    bool pressed_ = false;
    QWidget* defaultArea_ = nullptr;
};

// A picture button of the program's windows, sunken (or raised) while pressed, `sizeTwips` twips square in
// `parent`, named `name` (the name its texts and the tests find it by).
CommandPicture* NewCommandPicture(const QString& name, double sizeTwips, QWidget* parent,
                                  CommandPicture::PressLook look = CommandPicture::PressLook::Sunken);

// Gives each label an Alt shortcut: the first letter of its caption no earlier label and no letter of
// `reserved` took (then any later letter, then none), shown underlined. Labels are taken in the order given,
// so the most used commands get their first letters. A "&" that was in a caption stays a character. Returns
// the letters now taken (with `reserved`), for further captions of the same window.
QString AssignMnemonics(const std::vector<QLabel*>& labels, const QString& reserved = {});

// The same for check boxes and other buttons that show their own caption.
QString AssignButtonMnemonics(const std::vector<QAbstractButton*>& buttons, const QString& reserved = {});

}  // namespace tervalo
