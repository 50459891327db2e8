#pragma once

class ChatLink;
class JournalWriter;
class Recovery;

// The "Recover" buttons of both panels: brings the five lists back from the
// recovery file between two announcements, which are said whatever the
// outcome, and puts it on record.
void recoverLists(ChatLink &link, Recovery &recovery, JournalWriter &journal);
