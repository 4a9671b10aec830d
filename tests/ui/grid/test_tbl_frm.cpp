// The table window: its parts by name, the grid bound to the window's data source, the hidden progress
// bar, the maximised showing, the pop-up under a button and the release on close.
#include "data/client_dataset.h"
#include "data/dataset_model.h"
#include "forms/popup_menu.h"
#include "forms/tbl_frm.h"
#include "grid/rovo_db_grid.h"

#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

namespace {

// A table window as the windows built on it use it: a data set in DataSource1, a "功能 ▼" button.
class TTestTblFrm : public TTblFrm
{
public:
    explicit TTestTblFrm(QWidget *parent = nullptr) : TTblFrm(parent)
    {
        setObjectName(QStringLiteral("TestTblFrm"));
        m_table.AddField(TFieldType::String, QStringLiteral("Code"), true, QStringLiteral("编码"));
        m_table.CreateDataSet();
        DataSource1->SetDataSet(m_table.DataSet());
        LblTitle1->setText(QStringLiteral("维修记录"));
    }
    TDataSet *Data() const { return m_table.DataSet(); }

private:
    TQzClientDataSet m_table;
};

} // namespace

class TestTblFrm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void partsAndBinding()
    {
        TTestTblFrm frm;
        auto *grid = frm.findChild<TRovoDBGrid *>(QStringLiteral("DBGrid1"));
        QVERIFY(grid);
        QVERIFY(frm.findChild<QLabel *>(QStringLiteral("Image1")));
        QCOMPARE(frm.findChild<QLabel *>(QStringLiteral("LblTitle1"))->text(), QStringLiteral("维修记录"));
        auto *status = frm.findChild<QLabel *>(QStringLiteral("StatusPanel1"));
        QVERIFY(status);
        QVERIFY(status->alignment() & Qt::AlignLeft);
        auto *source = frm.findChild<TDataSetModel *>(QStringLiteral("DataSource1"));
        QCOMPARE(grid->DataSource(), source);
        QCOMPARE(grid->DataSet(), frm.Data());
        QCOMPARE(grid->ColumnCount(), 1);
        QVERIFY(grid->CheckDataReady());
        frm.show();
        QVERIFY(frm.windowState() & Qt::WindowMaximized);
        QVERIFY(!frm.findChild<QProgressBar *>(QStringLiteral("ProgressBar1"))->isVisible());
        QVERIFY(!frm.isModal());
    }

    void popupUnderTheButton()
    {
        TTestTblFrm frm;
        frm.show();
        auto *grid = frm.findChild<TRovoDBGrid *>(QStringLiteral("DBGrid1"));
        auto *button = new QPushButton(QStringLiteral("功能 ▼"), &frm);
        button->move(20, 10);
        button->show();
        frm.PopupGridMenu(button);
        QVERIFY(grid->PopupMenuQz()->isVisible());
        QCOMPARE(grid->PopupMenuQz()->pos(), button->mapToGlobal(QPoint(0, button->height())));
        grid->PopupMenuQz()->hide();
    }

    void closingReleasesTheWindow()
    {
        QPointer<TTestTblFrm> frm = new TTestTblFrm;
        frm->show();
        frm->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(frm.isNull());
    }
};

QTEST_MAIN(TestTblFrm)
#include "test_tbl_frm.moc"
