#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "ui/bgr_color.h"
#include "ui/enter_presses_button.h"
#include "ui/exit_question.h"
#include "ui/qt_message_boxes.h"
#include "ui/select_on_focus.h"
#include "ui/testing/modal_answer.h"
#include "ui/testing/scripted_message_boxes.h"
#include "ui/twips.h"
#include "ui/window_placement.h"

using namespace kestrava::ui;

class UiHelpersTest : public QObject {
    Q_OBJECT
  private slots:
    void twipsRoundToNearestPixel_data() {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("exact") << 1695 << 113;
        QTest::newRow("round up") << 1945 << 130;
        QTest::newRow("round down") << 235 << 16;
        QTest::newRow("under half") << 7 << 0;
        QTest::newRow("half up") << 8 << 1;
        QTest::newRow("zero") << 0 << 0;
    }
    void twipsRoundToNearestPixel() {
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QCOMPARE(TwipsToPixels(twips), pixels);
    }

    // A highlighted button grows from its twips and shrinks back to them: what rounding to
    // pixels loses must not creep into the next placement.
    void twipsGeometryKeepsWhatRoundingToPixelsLoses() {
        QWidget w;
        w.setGeometry(2, 3, 10, 20);
        QCOMPARE(TwipsGeometry(&w), QRect(30, 45, 150, 300));
        PlaceInTwips(&w, QRect(235, 1440, 1945, 968));
        QCOMPARE(w.geometry(), QRect(16, 96, 130, 65));
        QCOMPARE(TwipsGeometry(&w), QRect(235, 1440, 1945, 968));
    }

    void bgrValuesMapBlueToTheHighByte_data() {
        QTest::addColumn<uint>("bgr");
        QTest::addColumn<QColor>("color");
        QTest::newRow("pale blue") << 0xFFC0C0u << QColor(0xC0, 0xC0, 0xFF);
        QTest::newRow("strong blue") << 0xFF9090u << QColor(0x90, 0x90, 0xFF);
        QTest::newRow("red") << 0x0000FFu << QColor(0xFF, 0, 0);
        QTest::newRow("green") << 0x00FF00u << QColor(0, 0xFF, 0);
    }
    void bgrValuesMapBlueToTheHighByte() {
        QFETCH(uint, bgr);
        QFETCH(QColor, color);
        QCOMPARE(FromBgr(bgr), color);
        QCOMPARE(ToBgr(color), bgr);
        // The style lightens the face it paints, but keeps the hue of the given colour.
        QPushButton button;
        button.resize(60, 30);
        SetBackColor(&button, bgr);
        const QColor face = button.grab().toImage().pixelColor(30, 15);
        QVERIFY2(face.hsvSaturation() > 0 && qAbs(face.hsvHue() - color.hsvHue()) <= 4,
                 qPrintable(face.name()));
        QCOMPARE(BackColor(&button), bgr);
    }

    void exitQuestionAsksAndReportsTheAnswer_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void exitQuestionAsksAndReportsTheAnswer() {
        QFETCH(bool, yes);
        testing::ScriptedMessageBoxes boxes;
        boxes.Answer(yes ? MessageAnswer::Yes : MessageAnswer::No);
        QCOMPARE(ConfirmExit(boxes), yes);
        QCOMPARE(boxes.ShownBoxes().size(), 1u);
        const auto& shown = boxes.ShownBoxes().front();
        QCOMPARE(shown.text, QString("Do you want to exit ?"));
        QCOMPARE(shown.title, QString("Confirm Exit..."));
        QVERIFY(shown.icon == MessageIcon::Question);
        QVERIFY(shown.buttons == MessageButtons::YesNo);
    }

    void qtMessageBoxShowsIconTitleAndAnswer_data() {
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("qtIcon");
        QTest::addColumn<bool>("yesNo");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("shownTitle");
        QTest::newRow("plain") << int(MessageIcon::None) << int(QMessageBox::NoIcon) << false << ""
                               << "Kestrava";
        QTest::newRow("critical") << int(MessageIcon::Critical) << int(QMessageBox::Critical)
                                  << false << "T"
                                  << "T";
        QTest::newRow("exclamation")
            << int(MessageIcon::Exclamation) << int(QMessageBox::Warning) << false << "T"
            << "T";
        QTest::newRow("question") << int(MessageIcon::Question) << int(QMessageBox::Question)
                                  << true << "Confirm Exit..."
                                  << "Confirm Exit...";
    }
    void qtMessageBoxShowsIconTitleAndAnswer() {
        QFETCH(int, icon);
        QFETCH(int, qtIcon);
        QFETCH(bool, yesNo);
        QFETCH(QString, title);
        QFETCH(QString, shownTitle);
        QApplication::setApplicationName("Kestrava");
        QString seenTitle;
        int seenIcon = -1;
        testing::ModalAnswer clicks([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            seenTitle = box->windowTitle();
            seenIcon = box->icon();
            QCOMPARE(box->text(), QString("text"));
            box->button(yesNo ? QMessageBox::Yes : QMessageBox::Ok)->click();
        });
        QtMessageBoxes boxes;
        const MessageAnswer answer =
            boxes.Show("text", static_cast<MessageIcon>(icon),
                       yesNo ? MessageButtons::YesNo : MessageButtons::Ok, title);
        QVERIFY(clicks.Answered());
        QCOMPARE(seenTitle, shownTitle);
        QCOMPARE(seenIcon, qtIcon);
        QVERIFY(answer == (yesNo ? MessageAnswer::Yes : MessageAnswer::Ok));
    }

    void messageBoxAppearsOverTheRaisingWindowOrAShownOne_data() {
        QTest::addColumn<bool>("raiserShown");
        QTest::newRow("raiser shown, another active") << true;
        QTest::newRow("raiser hidden") << false;
    }
    void messageBoxAppearsOverTheRaisingWindowOrAShownOne() {
        QFETCH(bool, raiserShown);
        QWidget raiser;
        QWidget other;
        raiser.show();
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&raiser));
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        if (!raiserShown) raiser.hide();
        QWidget* owner = nullptr;
        testing::ModalAnswer clicks([&](QWidget* modal) {
            owner = modal->parentWidget();
            qobject_cast<QDialog*>(modal)->accept();
        });
        QtMessageBoxes boxes;
        WindowMessageBoxes(boxes, &raiser)
            .Show("text", MessageIcon::Information, MessageButtons::Ok, "T");
        QVERIFY(clicks.Answered());
        QCOMPARE(owner, raiserShown ? &raiser : &other);
    }

    void viewerFillsTheScreenBesideItsAnchor() {
        const QRect area = QApplication::primaryScreen()->availableGeometry();
        QWidget anchor;
        anchor.resize(620, 560);
        CenterOnScreen(&anchor);
        QWidget viewer;
        viewer.resize(1024, 720);
        FillBeside(&viewer, &anchor);
        QVERIFY(area.contains(viewer.frameGeometry()) && area.contains(anchor.frameGeometry()));
        QVERIFY(!viewer.frameGeometry().intersects(anchor.frameGeometry()));
        QCOMPARE(viewer.frameGeometry().height(), area.height());
        QCOMPARE(viewer.frameGeometry().width() + anchor.frameGeometry().width(), area.width());
    }

    void enterPressesAButtonAddedAfterTheInstall() {
        QWidget window;
        EnterPressesButton::InstallIn(&window);
        auto* later = new QPushButton("Later", &window);
        int clicks = 0;
        connect(later, &QPushButton::clicked, [&] { ++clicks; });
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        later->setFocus();
        QTest::keyClick(later, Qt::Key_Return);
        QCOMPARE(clicks, 1);
    }

    void focusSelectsTheWholeText() {
        QWidget window;
        auto* first = new QLineEdit("50", &window);
        auto* second = new QLineEdit("11000", &window);
        second->move(0, 40);
        SelectOnFocus::Install(second);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        first->setFocus();
        second->setCursorPosition(2);
        QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(30, 5));
        QTRY_COMPARE(second->selectedText(), QString("11000"));
        QCOMPARE(first->selectedText(), QString());
    }
};

QTEST_MAIN(UiHelpersTest)
#include "ui_helpers_test.moc"
