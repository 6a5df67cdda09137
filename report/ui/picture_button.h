#pragma once

// A command button drawn as a picture with a label twin beside it: pressing the mouse on either gives the
// picture a sunken look, releasing restores it and runs the command (when released over the pressed control).

#include <QFrame>
#include <QLabel>
#include <QString>

namespace tervalo {

class PictureButton : public QFrame {
    Q_OBJECT
  public:
    // `pictureFile` is opened by bare name in the current directory; without it the button stays empty.
    explicit PictureButton(const QString& objectName, QWidget* parent);
    void SetPicture(const QString& pictureFile);
    // The label twin runs the same command.
    void AddTwin(QLabel* twin);
    // Runs the command as a click would.
    void Click() { emit clicked(); }

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void SetSunken(bool sunken);

    QLabel* picture_;
};

// Pixels of a distance given in twips (1440 per inch) on the widget's screen.
int TwipsToPixels(const QWidget* widget, double twips);
double PixelsToTwips(const QWidget* widget, int pixels);

}  // namespace tervalo
