#pragma once

// The results view: a modal window showing the report page drawn from ergEN1.DAT, with the print-header
// option, a page scroll bar and the print, close and cancel commands. Printing goes through the print
// settings; the page is printed only when they were confirmed.

#include <QDialog>

#include "project/project_record.h"

class QCheckBox;
class QFrame;
class QLabel;
class QScrollBar;

namespace tervalo {

class CommandPicture;

class ResultsView : public QDialog {
    Q_OBJECT
  public:
    // With `project`, printing offers the cycle page of the project as computed.
    explicit ResultsView(QWidget* parent = nullptr, const ProjectRecord* project = nullptr);

    // Where the page (0, 0)-(W, H) of `page`'s proportions stands in the window: the surface spans at most
    // -0.1 W to 1.5 W across and -0.045 H to 0.99 H down, so the page takes the left part and the button
    // panel the rest. The page keeps the paper's proportions when the window has others.
    static QRectF PageArea(const QSizeF& surface, const QSizeF& page);

    // The page size the view lays out, from the current printer; 2150 x 2900 when there is none.
    static QSizeF ViewPageSize();

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // The parts, named as their objects are (the tests find them by these names).
    QCheckBox* PrintHead;
    QScrollBar* VScroll1;
    QFrame* Frame3D2;
    QLabel* Label3;
    QLabel* Label4;
    CommandPicture* Command3D1;  // close
    QLabel* Command3D1_l;
    CommandPicture* Command3D2;  // print
    QLabel* Command3D2_l;
    CommandPicture* Command3D3;  // cancel
    QLabel* Command3D3_l;

    void Activate();
    void PrintHeadClicked();
    void Print();

    const ProjectRecord* project_ = nullptr;
};

}  // namespace tervalo
