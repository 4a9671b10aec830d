#pragma once
// The page "自定义项目" of the options dialog: the captions of the twelve custom asset fields.

#include <memory>
#include <QStringList>
#include <QWidget>

class TqzEdit;
namespace Ui {
class TOptionsAssetLabelFra;
}

class TOptionsAssetLabelFra : public QWidget
{
    Q_OBJECT

public:
    // Filled with the process-wide labels.
    explicit TOptionsAssetLabelFra(QWidget *parent = nullptr);
    ~TOptionsAssetLabelFra() override;

    // The twelve boxes in field order (Str1 … Str6, Float1 … Float3, Date1 … Date3).
    QStringList Labels() const;
    void SetLabels(const QStringList &labels);
    // The box of the label at index (0 … 11).
    TqzEdit *Edit(int index) const;

private:
    std::unique_ptr<Ui::TOptionsAssetLabelFra> ui;
    QList<TqzEdit *> m_edits;
};
