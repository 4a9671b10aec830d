#pragma once
// An asset editor without a window: the boxes are texts, each showing runs the next answer of a script, and
// everything the actions did to the editor is written into a log that outlives it.

#include "assets/asset_editor.h"

#include <functional>
#include <QHash>
#include <QQueue>

class TFakeAssetEditor;

struct TAssetEditorLog
{
    // One answer per showing: change the boxes and return true for OK; no answer left cancels.
    QQueue<std::function<bool(TFakeAssetEditor &)>> Answers;

    int Created = 0;
    int Released = 0;
    QString Title;
    bool AfterOkVisible = true;
    QStringList MethodItems;
    // What each showing presented: the box texts with "MethodId" as the selected position, and "确定后".
    QList<QHash<QString, QString>> Shown;
    QList<int> AfterOkShown;
};

class TFakeAssetEditor : public TAssetEditor
{
public:
    explicit TFakeAssetEditor(TAssetEditorLog *log = nullptr) : m_log(log)
    {
        if (m_log)
            ++m_log->Created;
        // like the dialog: "关闭" and a reset on creation
        Reset();
    }
    ~TFakeAssetEditor() override
    {
        if (m_log)
            ++m_log->Released;
    }

    int Choice = AfterOkClose;

    void SetTitle(const QString &title) override
    {
        if (m_log)
            m_log->Title = title;
    }
    void SetAfterOkVisible(bool visible) override
    {
        if (m_log)
            m_log->AfterOkVisible = visible;
    }
    void SetMethodItems(const QStringList &items) override
    {
        m_items = items;
        m_index = items.isEmpty() ? -1 : 0;
        if (m_log)
            m_log->MethodItems = items;
    }
    QStringList MethodItems() const override { return m_items; }
    int AfterOk() const override { return Choice; }
    bool Execute() override
    {
        if (!m_log)
            return false;
        QHash<QString, QString> shown = m_boxes;
        shown.insert(QStringLiteral("MethodId"), QString::number(m_index));
        m_log->Shown.append(shown);
        m_log->AfterOkShown.append(Choice);
        return !m_log->Answers.isEmpty() && m_log->Answers.dequeue()(*this);
    }

    QString BoxText(const QString &property) const override { return m_boxes.value(property); }
    void SetBoxText(const QString &property, const QString &text) override { m_boxes.insert(property, text); }
    int MethodIndex() const override { return m_index; }
    void SetMethodIndex(int index) override { m_index = index >= 0 && index < m_items.size() ? index : -1; }

private:
    TAssetEditorLog *m_log;
    QHash<QString, QString> m_boxes;
    QStringList m_items;
    int m_index = -1;
};
