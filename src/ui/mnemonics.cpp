#include "ui/mnemonics.hpp"

namespace kvarn::ui {

QString WithMnemonic(const QString& text, std::set<QChar>& taken) {
    QString marked = text;
    marked.replace(QLatin1Char('&'), QStringLiteral("&&"));
    for (qsizetype i = 0; i < marked.size(); ++i) {
        const QChar letter = marked[i].toLower();
        if (letter >= QLatin1Char('a') && letter <= QLatin1Char('z') && taken.insert(letter).second) {
            marked.insert(i, QLatin1Char('&'));
            break;
        }
    }
    return marked;
}

}  // namespace kvarn::ui
