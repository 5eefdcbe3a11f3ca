#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ui/bgr_color.h"
#include "ui/exit_question.h"
#include "ui/select_on_focus.h"
#include "ui/testing/scripted_message_boxes.h"
#include "ui/twips.h"

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

    void placeInTwipsKeepsTheTwipsRectangle() {
        QWidget w;
        PlaceInTwips(&w, QRect(360, 1440, 1695, 975));
        QCOMPARE(w.geometry(), QRect(24, 96, 113, 65));
        QCOMPARE(TwipsGeometry(&w), QRect(360, 1440, 1695, 975));
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
        QPushButton button;
        SetBackColor(&button, bgr);
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
        QCOMPARE(boxes.shown().size(), 1u);
        const auto& shown = boxes.shown().front();
        QCOMPARE(shown.text, QString("Do you want to exit ?"));
        QCOMPARE(shown.title, QString("Confirm Exit..."));
        QVERIFY(shown.icon == MessageIcon::Question);
        QVERIFY(shown.buttons == MessageButtons::YesNo);
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
