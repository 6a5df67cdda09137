#pragma once

// The project window over the delivered program directory, opened as the main window opens it.

#include <gtest/gtest.h>

#include "project/ui/project_window.h"
#include "report/ui/report_windows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "config/run_settings.h"
#include "engine/refrigerant_catalogue.h"
#include "engine/saturation_table.h"
#include "help/help_file.h"
#include "localisation/language_tables.h"
#include "project/project_record.h"
#include "project/window_texts.h"
#include "shell/language_session.h"
#include "support/system_traits.h"
#include "widgets/command_picture.h"
#include "widgets/window_test_support.h"

namespace tervalo::test {

// In English.
class ProjectWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        TERVALO_SKIP_UNLESS(std::filesystem::exists(std::filesystem::path(TERVALO_DIST_DIR) / "R22.DAT"),
                            "the program directory is not staged");
        ResetAll();
        test::CopyProgramDirectory();
        std::filesystem::remove("TempPart.dat");
        WriteBytes("SpezBK.dat", "\"1.02\"\r\n\"1.13\"\r\n\"0.30\"\r\n\"0.35\"\r\n");
        Settings.LanguageCode = "ENG";
        Settings.CurrencyCode = "EUR";
        Settings.ProductName = "Quelmo";
        LoadLanguageTexts(Settings.LanguageCode);
    }
    void TearDown() override { ResetAll(); }

    static void ResetAll() {
        ResetRunSettings();
        ResetLanguageTables();
    }

    // Opens the window as the main window does: load, show, first activation.
    Projektdaten& Open() {
        window_ = std::make_unique<Projektdaten>(
            project_,
            ProjectWindowCommands{
                [this](const std::string& hint) { hints_.push_back(hint); }, PrintProject, {}, {}, {}});
        window_->show();
        QApplication::processEvents();
        return *window_;
    }
    template <typename T>
    T* Child(const char* name) {
        T* child = window_->findChild<T*>(QLatin1String(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    QString Text(const char* name) {
        if (auto* edit = window_->findChild<QLineEdit*>(QLatin1String(name))) return edit->text();
        if (auto* list = window_->findChild<QComboBox*>(QLatin1String(name))) return list->currentText();
        return Child<QLabel>(name)->text();
    }
    void Choose(const char* list, int entry) {
        auto* box = Child<QComboBox>(list);
        box->setCurrentIndex(entry);
        emit box->activated(entry);
    }
    void Type(const char* field, const QString& text) {
        auto* edit = Child<QLineEdit>(field);
        edit->setFocus();
        edit->setText(text);
    }
    void TypeAndEnter(const char* field, const QString& text) {
        Type(field, text);
        QTest::keyClick(Child<QLineEdit>(field), Qt::Key_Return);
    }
    static QString Hp(int item) { return QString::fromStdString(HeatCaption(item)); }

    test::ScopedTempDir dir_;
    test::MessageRecorder messages_;
    std::vector<std::string> hints_;
    ProjectRecord project_;
    std::unique_ptr<Projektdaten> window_;
};

}  // namespace tervalo::test
