// `profile` and `macro`: the lists the window's dialogs keep, and the
// files they import and export.
#include "controller/myquickview.h"
#include "shell/cli/command.h"
#include "storage/macrolibrary.h"
#include "storage/profiles.h"

#include <QFileInfo>

namespace cli {

namespace {

const QString kProfile = QStringLiteral("Profile");
constexpr int kProfileList = 2;
constexpr int kMacroList = 0;

Result done(const QString &message)
{
    Result result;
    result.err = QStringLiteral("orbex-mouse: ") + message + QLatin1Char('\n');
    return result;
}

} // namespace

Result Command::profile(const QStringList &words)
{
    myQQuickView &view = *m_target.view;
    const ProfileState state = readProfileState(view, *m_rules);
    QList<QPair<QString, int>> list = profiles(state);
    const QString action = words.first();

    // P: a number in the window's order or a name.
    auto find = [&](const QString &which) -> int {
        bool isNumber = false;
        const int n = which.toInt(&isNumber);
        if (isNumber)
            return n >= 1 && n <= list.size() ? n - 1 : -1;
        for (qsizetype i = 0; i < list.size(); ++i) {
            if (list.at(i).first == which)
                return int(i);
        }
        return -1;
    };
    auto unknown = [&](const QString &which) {
        QStringList names;
        for (qsizetype i = 0; i < list.size(); ++i)
            names << QStringLiteral("%1 %2").arg(i + 1).arg(list.at(i).first);
        return usage(QStringLiteral("profile: no profile \"%1\"; valid: %2").arg(which, names.join(QLatin1String(", "))));
    };
    auto elements = [&] {
        QVariantList e;
        for (const auto &[name, slot] : std::as_const(list))
            e << QVariantMap{{QStringLiteral("textValue"), name}, {QStringLiteral("profileNo"), slot}};
        return e;
    };
    auto storeList = [&]() -> bool {
        const QVariant stored = m_rules->call(kProfile, QStringLiteral("storedList"), {QVariant(elements())});
        return view.updataNameList(kProfileList, stored.toStringList()).toBool();
    };

    if (action == QLatin1String("list")) {
        Result result;
        for (qsizetype i = 0; i < list.size(); ++i)
            result.out += QStringLiteral("%1 %2%3\n").arg(i + 1).arg(list.at(i).first,
                                                                       list.at(i).second == view.currentProfile()
                                                                           ? QStringLiteral("  (in use)")
                                                                           : QString());
        return result;
    }
    if (action == QLatin1String("use")) {
        const int position = find(words.at(1));
        if (position < 0)
            return unknown(words.at(1));
        if (!m_target.connected)
            return noMouse();
        const int slot = list.at(position).second;
        if (m_target.profileChosen) {
            // The window changes over as its title bar does.
            m_target.profileChosen(slot);
            return done(QStringLiteral("profile %1 in use").arg(list.at(position).first));
        }
        view.setGlobalData(QStringLiteral("mouse/profileNo"), slot);
        view.setCurrentProfile(slot);
        return apply(profileCalls(readProfileState(view, *m_rules)),
                     QStringLiteral("profile %1 in use").arg(list.at(position).first));
    }
    if (action == QLatin1String("new")) {
        const QVariantList e = elements();
        if (!m_rules->call(kProfile, QStringLiteral("canAdd"), {QVariant(e)}).toBool())
            return usage(QStringLiteral("profile new: there are %1 profiles already")
                             .arg(m_rules->intValue(kProfile, QStringLiteral("maxProfiles"))));
        QString name = m_rules->call(kProfile, QStringLiteral("freeName"), {QVariant(e)}).toString();
        if (words.size() > 1) {
            name = m_rules->call(kProfile, QStringLiteral("renamed"), {e, words.at(1)}).toString();
            if (name.isEmpty())
                return usage(QStringLiteral("profile new: \"%1\" is empty or taken").arg(words.at(1)));
        }
        const int slot = m_rules->call(kProfile, QStringLiteral("freeSlot"), {QVariant(e)}).toInt();
        if (!profiles::resetToFactory(*view.stores(), slot))
            return fail(cliargs::kNotStored, QStringLiteral("profile new: the profile file could not be written"));
        list.append({name, slot});
        if (!storeList())
            return fail(cliargs::kNotStored, QStringLiteral("profile new: the profile list could not be written"));
        if (m_target.storedChanged)
            m_target.storedChanged();
        Result result;
        result.out = QStringLiteral("%1 %2\n").arg(list.size()).arg(name);
        return result;
    }
    if (action == QLatin1String("rename")) {
        const int position = find(words.at(1));
        if (position < 0)
            return unknown(words.at(1));
        if (position == 0)
            return usage(QStringLiteral("profile rename: the first profile keeps its name"));
        const QString name = m_rules->call(kProfile, QStringLiteral("renamed"), {elements(), words.at(2)}).toString();
        if (name.isEmpty())
            return usage(QStringLiteral("profile rename: \"%1\" is empty or taken").arg(words.at(2)));
        list[position].first = name;
        if (!storeList())
            return fail(cliargs::kNotStored, QStringLiteral("profile rename: the profile list could not be written"));
        if (m_target.storedChanged)
            m_target.storedChanged();
        return done(QStringLiteral("profile %1 is now %2").arg(position + 1).arg(name));
    }
    if (action == QLatin1String("export")) {
        const int position = find(words.at(1));
        if (position < 0)
            return unknown(words.at(1));
        if (!profiles::exportTo(*view.stores(), list.at(position).second, words.at(2)))
            return fail(cliargs::kNotStored, QStringLiteral("profile export: %1 could not be written").arg(words.at(2)));
        return done(QStringLiteral("profile %1 written to %2").arg(list.at(position).first, words.at(2)));
    }
    if (action == QLatin1String("import")) {
        // As the dialog's Import: into a new profile.
        const QVariantList e = elements();
        if (!m_rules->call(kProfile, QStringLiteral("canAdd"), {QVariant(e)}).toBool())
            return usage(QStringLiteral("profile import: there are %1 profiles already")
                             .arg(m_rules->intValue(kProfile, QStringLiteral("maxProfiles"))));
        if (!QFileInfo(words.at(1)).isFile())
            return usage(QStringLiteral("profile import: %1 is no file").arg(words.at(1)));
        const int slot = m_rules->call(kProfile, QStringLiteral("freeSlot"), {QVariant(e)}).toInt();
        const QString name = m_rules->call(kProfile, QStringLiteral("freeName"), {QVariant(e)}).toString();
        if (!profiles::importFrom(*view.stores(), slot, words.at(1)))
            return fail(cliargs::kNotStored, QStringLiteral("profile import: %1 could not be copied").arg(words.at(1)));
        list.append({name, slot});
        if (!storeList())
            return fail(cliargs::kNotStored, QStringLiteral("profile import: the profile list could not be written"));
        if (m_target.storedChanged)
            m_target.storedChanged();
        Result result;
        result.out = QStringLiteral("%1 %2\n").arg(list.size()).arg(name);
        return result;
    }
    return usage(QStringLiteral("profile: unknown action \"%1\"").arg(action));
}

Result Command::macro(const QStringList &words)
{
    myQQuickView &view = *m_target.view;
    const QString kMacros = QStringLiteral("MacroNames");
    QStringList names =
        m_rules->call(kMacros, QStringLiteral("fromStored"), {QVariant(view.getNameList(kMacroList))}).toStringList();
    const QString action = words.first();
    if (action == QLatin1String("list")) {
        Result result;
        for (const QString &name : std::as_const(names))
            result.out += name + QLatin1Char('\n');
        return result;
    }
    if (action == QLatin1String("export")) {
        if (!names.contains(words.at(1)))
            return usage(QStringLiteral("macro export: no macro \"%1\"; see orbex-mouse macro list").arg(words.at(1)));
        if (!macrolibrary::exportTo(words.at(1), words.at(2)))
            return fail(cliargs::kNotStored, QStringLiteral("macro export: %1 could not be written").arg(words.at(2)));
        return done(QStringLiteral("macro %1 written to %2").arg(words.at(1), words.at(2)));
    }
    if (action == QLatin1String("import")) {
        const QString &file = words.at(1);
        const QString &name = words.at(2);
        const int most = m_rules->intValue(kMacros, QStringLiteral("maxNameLength"));
        if (names.contains(name))
            return usage(QStringLiteral("macro import: a macro \"%1\" exists already").arg(name));
        if (!m_rules->call(kMacros, QStringLiteral("canAdd"), {QVariant(names)}).toBool())
            return usage(QStringLiteral("macro import: there are %1 macros already")
                             .arg(m_rules->intValue(kMacros, QStringLiteral("maxMacros"))));
        if (name.trimmed().isEmpty() || name.size() > most)
            return usage(QStringLiteral("macro import: a name takes 1 to %1 characters").arg(most));
        if (!QFileInfo(file).isFile())
            return usage(QStringLiteral("macro import: %1 is no file").arg(file));
        if (!macrolibrary::importFrom(file, name))
            return fail(cliargs::kNotStored, QStringLiteral("macro import: %1 could not be copied as \"%2\"").arg(file, name));
        names << name;
        if (!view.updataNameList(kMacroList, names).toBool())
            return fail(cliargs::kNotStored, QStringLiteral("macro import: the macro list could not be written"));
        if (m_target.storedChanged)
            m_target.storedChanged();
        return done(QStringLiteral("macro %1 imported").arg(name));
    }
    return usage(QStringLiteral("macro: unknown action \"%1\"").arg(action));
}

} // namespace cli
