#pragma once
// Suggestions under an entry box while the player types: every name of the row's current
// list that holds the typed text, whatever its case and accents. One completer serves all
// 81 boxes; it follows the box being typed in, so the screen's build never pays for it.

#include <QCompleter>
#include <QPointer>
#include <functional>

class QComboBox;

namespace brevath::ui {

class SearchKeys;

class EntryCompleter : public QCompleter
{
    Q_OBJECT

public:
    explicit EntryCompleter(QObject *parent);

    // Suggests, under the box, what its list holds that matches the text; nothing for empty text.
    void Complete(QComboBox *box, const QString &typed);
    QComboBox *Box() const { return m_box; }
    // A short text shown at the right of each suggestion, such as the level it would be
    // reached at in the box's row; asked only for the suggestions in view.
    using Hint = std::function<QString(QComboBox *box, const QString &name)>;
    void SetHint(Hint hint) { m_hint = std::move(hint); }
    QString HintFor(const QString &name) const { return m_hint && m_box ? m_hint(m_box, name) : QString(); }

    QStringList splitPath(const QString &path) const override;
    QString pathFromIndex(const QModelIndex &index) const override;

signals:
    // A suggestion was taken: the box now shows it.
    void taken(QComboBox *box);

private:
    SearchKeys *m_keys;
    QPointer<QComboBox> m_box;
    Hint m_hint;
};

} // namespace brevath::ui
