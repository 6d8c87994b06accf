// `Tvaleurspeciale`, the special-value calculator the main window owns for its whole life:
// loaded with a shape's special settings and the run numbers, it computes the value at the
// time of its clock in its locale, and remembers the last copy number for editor previews.
#pragma once

#include "values/ValueSource.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <array>
#include <functional>

namespace tessaly::values {

using Clock = std::function<QDateTime()>;

// UI text numbers of the kind list items "DateHeure" and "Compteur" (list index + 1 = kind).
inline constexpr std::array<int, 2> kSpecialKindTextNumbers{235, 236};

class Tvaleurspeciale {
public:
    // An empty clock reads the current local date and time.
    explicit Tvaleurspeciale(QLocale locale = QLocale::system(), Clock clock = {});

    // Loads the settings and the run numbers of the label being resolved.
    void Load(const typvaleurspeciale& settings, const RunNumbers& run);
    // The value of what is loaded, prefix and suffix not included.
    QString Compute() const;
    // Load, then Compute.
    QString ComputeFor(const typvaleurspeciale& settings, const RunNumbers& run);

    // What the editor and the dialog's example show: the value for record 1 and label 1 with
    // the copy number of the last resolution (0 before the first print run). Loads nothing.
    QString Preview(const typvaleurspeciale& settings) const;
    // The preview framed by the settings' prefix and suffix, as text shapes show it.
    QString PreviewFramed(const typvaleurspeciale& settings) const;

    const typvaleurspeciale& settings() const { return settings_; }
    const RunNumbers& run() const { return run_; }
    QDateTime now() const;
    const QLocale& locale() const { return locale_; }

private:
    QLocale locale_;
    Clock clock_;
    typvaleurspeciale settings_;
    RunNumbers run_{0, 0, 0};
};

} // namespace tessaly::values
