#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "app/option_window.h"
#include "ui/bgr_color.h"
#include "ui/testing/scripted_message_boxes.h"
#include "ui/twips.h"

using namespace kestrava;
using kestrava::ui::testing::ScriptedMessageBoxes;

namespace {

constexpr std::uint32_t kNormal = 0xFFC0C0;
constexpr std::uint32_t kHighlight = 0xFF9090;

const char* const kButtons[] = {"cmdTransformer", "cmdMotor", "cmdGenerator", "cmdOthers"};
const char* const kPreviews[] = {"ImgAllTime", "ImgTr", "ImgMot", "ImgGen", "ImgOther"};

void MoveMouseOver(QWidget* widget, QPoint at = QPoint(5, 5)) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

}  // namespace

class OptionWindowTest : public QObject {
    Q_OBJECT

    // Exactly 'preview' is visible and exactly 'button' (or none) is highlighted.
    static void VerifyHover(const OptionWindow& window, const QString& preview,
                            const QString& button) {
        for (const char* name : kPreviews)
            QCOMPARE(window.findChild<QLabel*>(name)->isVisibleTo(&window), preview == name);
        for (const char* name : kButtons) {
            const auto* b = window.findChild<QPushButton*>(name);
            const QRect twips = ui::TwipsGeometry(b);
            if (button == name) {
                QCOMPARE(twips.left(), 235);
                QCOMPARE(twips.width(), 1945);
                QCOMPARE(ui::BackColor(b), kHighlight);
            } else {
                QCOMPARE(twips.left(), 360);
                QCOMPARE(twips.width(), 1695);
                QCOMPARE(ui::BackColor(b), kNormal);
            }
        }
    }

  private slots:
    void loadPlacesControlsAndCaption() {
        ScriptedMessageBoxes boxes;
        OptionWindow window(boxes, "Kestrava");
        QCOMPARE(window.windowTitle(), QString("Kestrava: Choose option..."));
        QCOMPARE(ui::TwipsGeometry(window.findChild<QPushButton*>("cmdMotor")),
                 QRect(360, 2760, 1695, 975));
        QCOMPARE(window.findChild<QPushButton*>("cmdMotor")->geometry(), QRect(24, 184, 113, 65));
        QCOMPARE(ui::TwipsGeometry(window.findChild<QLabel*>("ImgButtBack")),
                 QRect(120, 1320, 2175, 5295));
        for (const char* name : kPreviews) {
            const auto* preview = window.findChild<QLabel*>(name);
            QCOMPARE(ui::TwipsGeometry(preview), QRect(2640, 1320, 6555, 5325));
            QVERIFY(preview->hasScaledContents());
        }
        QCOMPARE(window.findChild<QPushButton*>("Command1")->toolTip(), QString("Click to exit"));
        QCOMPARE(window.findChild<QPushButton*>("cmdOthers")->toolTip(),
                 QString("Click to design other type of machines / instruments..."));
        VerifyHover(window, "ImgAllTime", "");
    }

    void hoverFollowsTheButtons() {
        ScriptedMessageBoxes boxes;
        OptionWindow window(boxes, "Kestrava");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        MoveMouseOver(window.findChild<QPushButton*>("cmdMotor"));
        VerifyHover(window, "ImgMot", "cmdMotor");
        QCOMPARE(window.findChild<QPushButton*>("cmdMotor")->geometry().width(), 130);

        // Other controls leave the hover as it is. They do not track the mouse, so Qt drops
        // a move sent to them; the window sees such a move only as its own, over the control.
        for (const char* other : {"imgLogo", "cmdAbout", "ImgMot"}) {
            const auto* control = window.findChild<QWidget*>(other);
            MoveMouseOver(&window, control->geometry().center());
            VerifyHover(window, "ImgMot", "cmdMotor");
        }

        MoveMouseOver(window.findChild<QPushButton*>("cmdGenerator"));
        VerifyHover(window, "ImgGen", "cmdGenerator");
        MoveMouseOver(window.findChild<QPushButton*>("cmdTransformer"));
        VerifyHover(window, "ImgTr", "cmdTransformer");
        MoveMouseOver(window.findChild<QPushButton*>("cmdOthers"));
        VerifyHover(window, "ImgOther", "cmdOthers");

        // Hiding and showing keeps the state.
        window.hide();
        window.show();
        VerifyHover(window, "ImgOther", "cmdOthers");

        MoveMouseOver(window.findChild<QLabel*>("ImgButtBack"));
        VerifyHover(window, "ImgAllTime", "");
        MoveMouseOver(window.findChild<QPushButton*>("cmdMotor"));
        MoveMouseOver(&window, QPoint(window.width() - 3, window.height() / 2));
        VerifyHover(window, "ImgAllTime", "");
    }

    void unavailableMachinesShowTheNotice() {
        ScriptedMessageBoxes boxes;
        OptionWindow window(boxes, "Kestrava");
        QSignalSpy transformer(&window, &OptionWindow::transformerRequested);
        for (const char* name : {"cmdMotor", "cmdGenerator", "cmdOthers"})
            window.findChild<QPushButton*>(name)->click();
        QCOMPARE(boxes.ShownBoxes().size(), 3u);
        for (const auto& shown : boxes.ShownBoxes()) {
            QCOMPARE(shown.text, QString("This part is not available in this Version."));
            QVERIFY(shown.icon == ui::MessageIcon::Information);
            QCOMPARE(shown.title, QString("Kestrava"));
        }
        QCOMPARE(transformer.count(), 0);
        window.findChild<QPushButton*>("cmdTransformer")->click();
        QCOMPARE(transformer.count(), 1);
    }

    void contactAndAbout() {
        ScriptedMessageBoxes boxes;
        OptionWindow window(boxes, "Kestrava");
        QSignalSpy about(&window, &OptionWindow::aboutRequested);
        auto* contact = window.findChild<QPushButton*>("cmdContact");
        QCOMPARE(contact->text(), QString("Contact"));
        contact->click();
        QCOMPARE(boxes.ShownBoxes().size(), 1u);
        QCOMPARE(boxes.ShownBoxes()[0].title, QString("Kestrava: Contact Information"));
        QVERIFY(boxes.ShownBoxes()[0].icon == ui::MessageIcon::Information);
        window.findChild<QPushButton*>("cmdAbout")->click();
        QCOMPARE(about.count(), 1);
    }
};

int RunOptionWindowTests(int argc, char** argv) {
    OptionWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "option_window_test.moc"
