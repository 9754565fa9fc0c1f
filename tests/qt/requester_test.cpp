// The modal requesters as Qt dialogs, answered by a simulated user once they run.
#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "qt_fixture.h"
#include "toolkit/qt/qt_text.h"
#include "toolkit/requesters.h"

using namespace toolkit;

namespace {

// Runs the answer inside the requester's own loop, as soon as the requester is up.
template <typename Dialog> void answer_with(std::function<void(Dialog&)> answer) {
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        answer(*dialog);
    });
}

// The file dialog's own accept checks the typed name, as the user's OK button does.
void confirm(QDialog& dialog) {
    dialog.accept();
}

class RequesterTest : public QtToolkitTest {
  protected:
    QTemporaryDir folder;
    std::string folder_path;

    void SetUp() override {
        QtToolkitTest::SetUp();
        open_shown_window(0);
        ASSERT_TRUE(folder.isValid());
        folder_path = qt::byte_path(folder.path()) + "/";
    }
};

TEST_F(RequesterTest, MessageBoxAnswersYesOrNoWithoutIcon) {
    answer_with<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box.windowTitle(), QStringLiteral("ZX font"));
        EXPECT_EQ(box.text(), QStringLiteral("Do yo want to place at pos #32?"));
        box.button(QMessageBox::No)->click();
    });
    EXPECT_EQ(message_requester("ZX font", "Do yo want to place at pos #32?", message_yes_no),
              message_result_no);
    answer_with<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });
    EXPECT_EQ(message_requester("ZX font", "?", message_yes_no), message_result_yes);
    answer_with<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::Ok)->click(); });
    EXPECT_EQ(message_requester("gridlet", "draw cursor error!", message_ok), message_result_ok);
}

TEST_F(RequesterTest, ListRequesterFitsTheScreenWithHostileTextsAndTakesADoubleClick) {
    const std::vector<std::string> items(5000, std::string(300, 'W'));
    answer_with<QDialog>([](QDialog& dialog) {
        const QRect screen = dialog.screen()->availableGeometry();
        EXPECT_LE(dialog.frameGeometry().width(), screen.width());
        EXPECT_LE(dialog.frameGeometry().height(), screen.height());
        auto* list = dialog.findChild<QListWidget*>();
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->count(), list_requester_items);
        const QPoint on_item(4, list->visualItemRect(list->item(3)).center().y());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, on_item);
        if (dialog.isVisible()) dialog.reject(); // missed: fail, never hang
    });
    EXPECT_EQ(list_requester(std::string(300, 'T'), std::string(100000, 'x'), items), 3);
}

TEST_F(RequesterTest, OpenRequesterReportsTheSelectedPattern) {
    const QString chosen = QDir(folder.path()).filePath("chars.fnt");
    answer_with<QFileDialog>([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Please choose file to load"));
        EXPECT_EQ(QDir(dialog.directory()), QDir(folder.path()));
        ASSERT_EQ(dialog.nameFilters().size(), 2);
        dialog.selectNameFilter(dialog.nameFilters()[1]);
        dialog.selectFile(chosen);
        confirm(dialog);
    });
    const std::string path =
        open_file_requester("Please choose file to load", folder_path,
                            "Font (*.fnt)|*.fnt|Character map (*.map)|*.map", 0);
    EXPECT_EQ(path, qt::byte_path(chosen));
    EXPECT_EQ(selected_file_pattern(), 1);
}

TEST_F(RequesterTest, SaveRequesterOffersTheNameAndAsksNothingAboutAnExistingFile) {
    const QString existing = QDir(folder.path()).filePath("charmap.map");
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    answer_with<QFileDialog>([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        ASSERT_EQ(dialog.selectedFiles().size(), 1);
        EXPECT_EQ(dialog.selectedFiles()[0], existing);
        confirm(dialog);
    });
    EXPECT_EQ(save_file_requester("Please choose file to save", folder_path + "charmap.map",
                                  "Character map (*.map)|*.map", 0),
              qt::byte_path(existing));
    EXPECT_EQ(selected_file_pattern(), 0);
}

TEST_F(RequesterTest, SaveRequesterAddsNoExtension) {
    const QString typed = QDir(folder.path()).filePath("picture");
    answer_with<QFileDialog>([&](QFileDialog& dialog) {
        dialog.selectFile(typed);
        confirm(dialog);
    });
    EXPECT_EQ(save_file_requester("Please choose file to save", folder_path, ".bmp", 0),
              qt::byte_path(typed));
}

TEST_F(RequesterTest, NameInAFolderThatDoesNotExistIsRefusedAndTheRequesterStays) {
    const QString missing = QDir(folder.path()).filePath("missing/font.fnt");
    const QString good = QDir(folder.path()).filePath("font.fnt");
    QString complaint;
    answer_with<QFileDialog>([&](QFileDialog& dialog) {
        answer_with<QMessageBox>([&](QMessageBox& box) {
            complaint = box.text();
            answer_with<QFileDialog>([&](QFileDialog& again) {
                again.selectFile(good);
                confirm(again);
            });
            box.button(QMessageBox::Ok)->click();
        });
        dialog.selectFile(missing);
        confirm(dialog);
    });
    EXPECT_EQ(save_file_requester("Please choose file to save", folder_path, "Font|*.fnt", 0),
              qt::byte_path(good));
    EXPECT_TRUE(complaint.contains(QStringLiteral("missing"))) << complaint.toStdString();
}

TEST_F(RequesterTest, ColourRequesterStartsAtBlackAndKeepsCustomColours) {
    answer_with<QColorDialog>([](QColorDialog& dialog) {
        EXPECT_EQ(dialog.currentColor(), QColor(0, 0, 0));
        EXPECT_EQ(QColorDialog::customColor(0), QColor(0, 0, 0));
        QColorDialog::setCustomColor(5, QColor(1, 2, 3));
        dialog.setCurrentColor(QColor(10, 20, 30));
        confirm(dialog);
    });
    EXPECT_EQ(color_requester(-1), 0x1E140A);

    answer_with<QColorDialog>([](QColorDialog& dialog) {
        EXPECT_EQ(QColorDialog::customColor(5), QColor(1, 2, 3));
        dialog.reject();
    });
    EXPECT_EQ(color_requester(-1), -1);
}

} // namespace
