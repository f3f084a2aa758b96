#include <QTest>
class TestMainForm : public QObject {
    Q_OBJECT
};
QTEST_MAIN(TestMainForm)
#include "tst_main_form.moc"
