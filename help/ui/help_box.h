#pragma once

// The help box: shows the help page of a help topic in the language in force, lets the user edit it
// and store it back into the help file.

#include <QDialog>
#include <string>

#include "help/help_file.h"
#include "localisation/feature_texts.h"

class QLabel;
class QPlainTextEdit;

namespace tervalo {

class CommandPicture;

class Hilfebox : public QDialog {
    Q_OBJECT

  public:
    // `topic` selects the page (see PageForTopic): the product topic its page, any other an empty one.
    explicit Hilfebox(std::string topic, QWidget* parent = nullptr);

    // Closing (Esc, OK, the close box) with edits not stored asks first; No keeps the box open.
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // Selects the page of the help topic and shows its text; done each time the box is shown.
    void ShowPage();
    void StorePage();
    // A page without records offers no saving; any other stops input at its capacity and shows what is left.
    void ShowStorability();
    void KeepWithinCapacity(int position, int added);
    void ShowCharactersLeft();

    QPlainTextEdit* infoText_ = nullptr;
    CommandPicture* closeButton_ = nullptr;
    CommandPicture* storeButton_ = nullptr;
    QLabel* storeLabel_ = nullptr;
    QLabel* capacityLabel_ = nullptr;  // characters left, or why the page cannot be saved
    FeatureTexts aids_;
    std::string topic_;
    HelpPage page_;
};

}  // namespace tervalo
