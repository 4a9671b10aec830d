#pragma once
// The pick lists of table options: TOptions holds the rows as a working copy in [Key] order, TRovoOptions
// names the nine lists by their position. Lists are texts with one entry per line (CR LF).

#include "data/record_set.h"

class TOptions : public TRecordSet
{
    Q_OBJECT
public:
    // Opens "select * from options order by [Key]".
    explicit TOptions(QObject *parent = nullptr);

    TField *KeyFld() const { return m_key; }
    TField *ListFld() const { return m_list; }

    // The list text of the row at position (0 = first row in [Key] order), from the working copy.
    // Throws EDatabaseError when there is no such row.
    QString List(int position) const;
    // Puts the text into the row at position in the working copy only (no database write).
    void SetList(int position, const QString &text);

    // Writes every row of the working copy by its position i:
    // "update options set List=:List where [Key]=:Id" with Id = i. Statement errors reach the caller.
    void SaveLists();

private:
    // Moves to the row at position; throws EDatabaseError when there is none.
    void MoveToPosition(int position) const;

    TField *m_key;
    TField *m_list;
};

// The nine pick lists by position.
class TRovoOptions : public TOptions
{
    Q_OBJECT
    Q_PROPERTY(QString AssetName READ AssetName WRITE SetAssetName)
    Q_PROPERTY(QString AssetKind READ AssetKind WRITE SetAssetKind)
    Q_PROPERTY(QString AddKind READ AddKind WRITE SetAddKind)
    Q_PROPERTY(QString UseDept READ UseDept WRITE SetUseDept)
    Q_PROPERTY(QString UseState READ UseState WRITE SetUseState)
    Q_PROPERTY(QString LayPlace READ LayPlace WRITE SetLayPlace)
    Q_PROPERTY(QString Depositary READ Depositary WRITE SetDepositary)
    Q_PROPERTY(QString DestroyWay READ DestroyWay WRITE SetDestroyWay)
    Q_PROPERTY(QString AssetUnit READ AssetUnit WRITE SetAssetUnit)
public:
    // Positions of the lists.
    enum TListPosition : int
    {
        AssetNamePos = 0,  // asset names
        AssetKindPos = 1,  // asset classes
        AddKindPos = 2,    // ways of acquisition
        UseDeptPos = 3,    // departments
        UseStatePos = 4,   // states of use
        LayPlacePos = 5,   // storage places
        DepositaryPos = 6, // staff (custodians, applicants, approvers)
        DestroyWayPos = 7, // ways of reduction
        AssetUnitPos = 8   // units of measure
    };
    static constexpr int ListCount = 9;

    explicit TRovoOptions(QObject *parent = nullptr);

    QString AssetName() const { return List(AssetNamePos); }
    void SetAssetName(const QString &text) { SetList(AssetNamePos, text); }
    QString AssetKind() const { return List(AssetKindPos); }
    void SetAssetKind(const QString &text) { SetList(AssetKindPos, text); }
    QString AddKind() const { return List(AddKindPos); }
    void SetAddKind(const QString &text) { SetList(AddKindPos, text); }
    QString UseDept() const { return List(UseDeptPos); }
    void SetUseDept(const QString &text) { SetList(UseDeptPos, text); }
    QString UseState() const { return List(UseStatePos); }
    void SetUseState(const QString &text) { SetList(UseStatePos, text); }
    QString LayPlace() const { return List(LayPlacePos); }
    void SetLayPlace(const QString &text) { SetList(LayPlacePos, text); }
    QString Depositary() const { return List(DepositaryPos); }
    void SetDepositary(const QString &text) { SetList(DepositaryPos, text); }
    QString DestroyWay() const { return List(DestroyWayPos); }
    void SetDestroyWay(const QString &text) { SetList(DestroyWayPos, text); }
    QString AssetUnit() const { return List(AssetUnitPos); }
    void SetAssetUnit(const QString &text) { SetList(AssetUnitPos, text); }

    // A list's entries, one per line (CR LF or LF), as a drop-down field takes them.
    static QStringList Entries(const QString &listText);
};
