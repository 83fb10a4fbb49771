// The diary form as a desktop person meets it: access keys, day keys, the date field reached
// by Tab, screen readers, and a dark theme.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <memory>

#include "diary/colour_contrast.h"
#include "support/ui/form_fixture.h"

using namespace vesmira;
using vesmira::testing::FrameFixture;
using vesmira::testing::Meals;
using vesmira::testing::ReadBytes;

namespace {

Rgb ToRgb(const QColor& colour) {
  return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
          static_cast<std::uint8_t>(colour.blue())};
}

double TextContrast(const QLineEdit* field) {
  const QPalette& palette = field->palette();
  return ContrastRatio(ToRgb(palette.color(QPalette::Active, QPalette::Text)),
                       ToRgb(palette.color(QPalette::Active, QPalette::Base)));
}

}  // namespace

class FormDesktopTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void accessKeysLeaveTheWordsAndKeepButtonsApart();
  void accessKeysReachFieldsAndPressButtons_data();
  void accessKeysReachFieldsAndPressButtons();
  void dayKeysStoreTheDayLeftAndShowAnother_data();
  void dayKeysStoreTheDayLeftAndShowAnother();
  void dateFieldReachedByTabStartsOnTheDay_data();
  void dateFieldReachedByTabStartsOnTheDay();
  void resultsAreReadOnlyAndReadOutWithTheirValue();
  void fixedBackgroundsKeepReadableTextUnderADarkPalette();

 private:
  void StartShown();
  std::unique_ptr<FrameFixture> m_form;
  const QPalette m_lightPalette = QApplication::palette();
};

void FormDesktopTest::init() {
  m_form = std::make_unique<FrameFixture>();
  m_form->folder.AddUser("Anna", 2000, 1800, true);
}

void FormDesktopTest::cleanup() {
  m_form.reset();
  QApplication::setPalette(m_lightPalette);
}

void FormDesktopTest::StartShown() {
  m_form->Start();
  QVERIFY(m_form->Show());
  m_form->Frame().activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&m_form->Frame()));
  m_form->Field("breakfastEdit")->setFocus();
}

// Which letters: the table of every window's keys holds them apart. Here the words.
void FormDesktopTest::accessKeysLeaveTheWordsAndKeepButtonsApart() {
  m_form->Start();
  for (const QLabel* label : m_form->View().findChildren<QLabel*>()) {
    // The ampersand marks the letter and is not shown: the words stay the same.
    QString words = label->text();
    if (words.remove(QLatin1Char('&')).size() != label->text().size()) {
      QCOMPARE(words.size(), label->text().size() - 1);
    }
  }
  QCOMPARE(m_form->Find<QAbstractButton>("calculateButton")->text(), QStringLiteral("&Calculate"));
  QCOMPARE(m_form->Find<QAbstractButton>("saveCloseButton")->text(),
           QStringLiteral("&Save && Close"));
  QCOMPARE(m_form->Find<QAbstractButton>("weightGraphButton")->text(),
           QStringLiteral("W&eight Graph"));
}

void FormDesktopTest::accessKeysReachFieldsAndPressButtons_data() {
  QTest::addColumn<Qt::Key>("key");
  QTest::addColumn<QStringList>("reached");
  QTest::newRow("Alt+B Breakfast") << Qt::Key_B << QStringList{QStringLiteral("breakfastEdit")};
  QTest::newRow("Alt+U Supper") << Qt::Key_U << QStringList{QStringLiteral("supperEdit")};
  QTest::newRow("Alt+W Weight") << Qt::Key_W << QStringList{QStringLiteral("weightEdit")};
  QTest::newRow("Alt+O Bodybuilding")
      << Qt::Key_O << QStringList{QStringLiteral("bodybuildingMinutesEdit")};
  QTest::newRow("Alt+C presses Calculate") << Qt::Key_C << QStringList{};
  QTest::newRow("Alt+Y chooses Yearly graph") << Qt::Key_Y << QStringList{};
}

void FormDesktopTest::accessKeysReachFieldsAndPressButtons() {
  QFETCH(Qt::Key, key);
  QFETCH(QStringList, reached);
  StartShown();
  m_form->Type("breakfastEdit", QStringLiteral("2500"));
  QStringList focused;
  for (qsizetype i = 0; i < std::max<qsizetype>(reached.size(), 1); ++i) {
    QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
    focused.append(QApplication::focusWidget()->objectName());
  }
  // A button pressed by its key shows the press for a moment, then acts.
  if (key == Qt::Key_C) {
    QTRY_COMPARE(m_form->Text("kcalChangeDayEdit"), QStringLiteral("500"));
  } else if (key == Qt::Key_Y) {
    QTRY_VERIFY(m_form->Find<QRadioButton>("yearlyRadio")->isChecked());
  } else {
    // Labels sharing a letter take the focus in turn, each once.
    focused.sort();
    reached.sort();
    QCOMPARE(focused, reached);
  }
}

void FormDesktopTest::dayKeysStoreTheDayLeftAndShowAnother_data() {
  QTest::addColumn<Qt::Key>("key");
  QTest::addColumn<QDate>("shown");
  QTest::newRow("Alt+Left the day before") << Qt::Key_Left << QDate(2026, 12, 9);
  QTest::newRow("Alt+Right the day after") << Qt::Key_Right << QDate(2026, 12, 11);
  QTest::newRow("Alt+Home today") << Qt::Key_Home << QDate(2026, 12, 6);
}

void FormDesktopTest::dayKeysStoreTheDayLeftAndShowAnother() {
  QFETCH(Qt::Key, key);
  QFETCH(QDate, shown);
  StartShown();
  m_form->ShowDate({2026, 12, 10});
  m_form->Type("lunchEdit", QStringLiteral("640"));
  // From a field where Left and Right move the cursor, and from the note.
  for (const char* from : {"lunchEdit", "noteEdit"}) {
    m_form->ShowDate({2026, 12, 10});
    m_form->Find(from)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
    QCOMPARE(m_form->Find<QDateEdit>("dateEdit")->date(), shown);
  }
  QCOMPARE(ReadDayFile(m_form->folder.DayPath("Anna", "10-12-2026")).value().meals[2],
           std::string("640"));
}

void FormDesktopTest::dateFieldReachedByTabStartsOnTheDay_data() {
  QTest::addColumn<QString>("from");
  QTest::addColumn<bool>("backwards");
  QTest::newRow("Tab from Properties") << QStringLiteral("propertiesButton") << false;
  QTest::newRow("Shift+Tab from the weight") << QStringLiteral("weightEdit") << true;
}

void FormDesktopTest::dateFieldReachedByTabStartsOnTheDay() {
  QFETCH(QString, from);
  QFETCH(bool, backwards);
  StartShown();
  auto* date = m_form->Find<QDateEdit>("dateEdit");
  m_form->Find(from.toLatin1().constData())->setFocus();
  QTest::keyClick(QApplication::focusWidget(), backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                  backwards ? Qt::ShiftModifier : Qt::NoModifier);
  QCOMPARE(QApplication::focusWidget(), date);
  QCOMPARE(date->currentSection(), QDateTimeEdit::DaySection);
  QTest::keyClick(date, Qt::Key_Up);
  QCOMPARE(date->date(), QDate(2026, 12, 7));
}

void FormDesktopTest::resultsAreReadOnlyAndReadOutWithTheirValue() {
  StartShown();
  m_form->Type("breakfastEdit", QStringLiteral("700"));
  const QColor grey =
      m_form->Field("breakfastEdit")->palette().color(QPalette::Disabled, QPalette::Base);
  for (const char* name : {"energyInEdit", "sumEdit", "cyclingKcalEdit", "kcalChangeDayEdit",
                           "trainingKcalYearEdit", "normalConsumptionEdit"}) {
    QLineEdit* field = m_form->Field(name);
    QVERIFY2(field->isEnabled() && field->isReadOnly(), name);
    QVERIFY2(field->focusPolicy() & Qt::TabFocus, name);
    // The look of a field that takes no typing, as before.
    QCOMPARE(field->palette().color(QPalette::Active, QPalette::Base), grey);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(field);
    QVERIFY(accessible);
    QVERIFY2(!accessible->state().disabled && accessible->state().readOnly, name);
    QVERIFY2(accessible->state().focusable, name);
    QCOMPARE(accessible->text(QAccessible::Value), field->text());
  }
  QCOMPARE(QAccessible::queryAccessibleInterface(m_form->Field("energyInEdit"))
               ->text(QAccessible::Value),
           QStringLiteral("700"));
  // Typing into a result changes nothing.
  m_form->Field("sumEdit")->setFocus();
  QTest::keyClicks(m_form->Field("sumEdit"), QStringLiteral("9"));
  QCOMPARE(m_form->Text("sumEdit"), QStringLiteral("700"));

  QStringList marks;
  for (const QLabel* label : m_form->View().findChildren<QLabel*>()) {
    if (label->text() == QStringLiteral("+") || label->text() == QStringLiteral("_")) {
      marks.append(QAccessible::queryAccessibleInterface(const_cast<QLabel*>(label))
                       ->text(QAccessible::Name));
    }
  }
  marks.sort();
  QCOMPARE(marks, (QStringList{QStringLiteral("minus"), QStringLiteral("plus")}));
}

void FormDesktopTest::fixedBackgroundsKeepReadableTextUnderADarkPalette() {
  QPalette dark;
  dark.setColor(QPalette::Window, QColor(53, 53, 53));
  dark.setColor(QPalette::WindowText, Qt::white);
  dark.setColor(QPalette::Base, QColor(35, 35, 35));
  dark.setColor(QPalette::Disabled, QPalette::Base, QColor(53, 53, 53));
  dark.setColor(QPalette::Text, Qt::white);
  dark.setColor(QPalette::Button, QColor(53, 53, 53));
  dark.setColor(QPalette::ButtonText, Qt::white);
  QApplication::setPalette(dark);
  m_form->folder.WriteDay("Anna", "06-12-2026", Meals({"2500"}));
  StartShown();

  // A negative "kcal left to use" and then a positive one; a weight gain and a loss.
  for (const char* meals : {"2500", "100"}) {
    m_form->Type("breakfastEdit", QString::fromLatin1(meals));
    const double contrast = TextContrast(m_form->Field("kcalLeftEdit"));
    QVERIFY2(contrast >= kReadableContrast, qPrintable(QString::number(contrast)));
    m_form->Click("calculateButton");
    for (const char* weight : {"weightChangeDayEdit", "weightChangeYearEdit"}) {
      QVERIFY2(TextContrast(m_form->Field(weight)) >= kReadableContrast, weight);
    }
  }
  for (const char* result : {"energyInEdit", "cyclingKcalEdit", "kcalChangeWeekEdit"}) {
    QVERIFY2(TextContrast(m_form->Field(result)) >= kReadableContrast, result);
  }

  // The desktop turns light again while the program runs: the results follow.
  QApplication::setPalette(m_lightPalette);
  for (const char* result : {"energyInEdit", "kcalLeftEdit", "weightChangeDayEdit"}) {
    QVERIFY2(TextContrast(m_form->Field(result)) >= kReadableContrast, result);
  }
}

QTEST_MAIN(FormDesktopTest)
#include "form_desktop_test.moc"
