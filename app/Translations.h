#pragma once

class QCoreApplication;

namespace app {

// Installs the program's texts and Qt's own (Yes/No, the file chooser) in the
// user's language, chosen as gettext chooses: LANGUAGE, a list, counts unless
// the messages locale (LC_ALL, LC_MESSAGES, LANG) is C; then that locale.
// English ends the list; a language without a translation, or one unknown,
// is passed over for the next. The
// translators belong to `application`; call before any window text is made.
void installTranslations(QCoreApplication &application);

} // namespace app
