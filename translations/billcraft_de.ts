<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AddExpenseDialog</name>
    <message>
        <source>Add Expense</source>
        <translation>Neue Ausgabe</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Client Ref</source>
        <translation>Kundenref.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Mileage</source>
        <translation>Kilometer</translation>
    </message>
    <message>
        <source>Mileage Rate</source>
        <translation>Kilometersatz</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The expense could not be saved:
%1</source>
        <translation>Die Ausgabe konnte nicht gespeichert werden:
%1</translation>
    </message>
    <message>
        <source>You must enter a Date</source>
        <translation>Bitte Datum eingeben</translation>
    </message>
    <message>
        <source>Your Date is incorrect!</source>
        <translation>Das Datum ist ungültig!</translation>
    </message>
    <message>
        <source>You must enter a Value</source>
        <translation>Bitte Betrag eingeben</translation>
    </message>
    <message>
        <source>Your Value is incorrect!</source>
        <translation>Der Betrag ist ungültig!</translation>
    </message>
    <message>
        <source>Your Mileage is incorrect!</source>
        <translation>Die Kilometerangabe ist ungültig!</translation>
    </message>
    <message>
        <source>Your Mileage Rate is incorrect!</source>
        <translation>Der Kilometersatz ist ungültig!</translation>
    </message>
    <message>
        <source>Your VAT is incorrect!</source>
        <translation>Die MwSt. ist ungültig!</translation>
    </message>
</context>
<context>
    <name>AddIdentityDialog</name>
    <message>
        <source>Add Identity</source>
        <translation>Neuer Mandant</translation>
    </message>
    <message>
        <source>Add New Identity Name (Company Name)</source>
        <translation>Name des neuen Mandanten (Firmenname)</translation>
    </message>
    <message>
        <source>Enter the Invoice number you want on your first invoice</source>
        <translation>Geben Sie die Rechnungsnummer Ihrer ersten Rechnung ein</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>AdtgText</name>
    <message>
        <source>%1 at offset 0x%2</source>
        <translation>%1 bei Offset 0x%2</translation>
    </message>
    <message>
        <source>truncated %1</source>
        <translation>%1 abgeschnitten</translation>
    </message>
    <message>
        <source>truncated column descriptor %1 (%2 bytes, %3 left)</source>
        <translation>Spaltenbeschreibung %1 abgeschnitten (%2 Bytes, %3 übrig)</translation>
    </message>
    <message>
        <source> (column %1)</source>
        <translation> (Spalte %1)</translation>
    </message>
    <message>
        <source>column %1 (%2) has the unsupported type %3</source>
        <translation>Spalte %1 (%2) hat den nicht unterstützten Typ %3</translation>
    </message>
    <message>
        <source>column %1 (%2) has no width</source>
        <translation>Spalte %1 (%2) hat keine Breite</translation>
    </message>
    <message>
        <source>truncated result descriptor</source>
        <translation>Ergebnisbeschreibung abgeschnitten</translation>
    </message>
    <message>
        <source>result descriptor too short (%1 bytes)</source>
        <translation>Ergebnisbeschreibung zu kurz (%1 Bytes)</translation>
    </message>
    <message>
        <source>not an ADTG file: the file is empty</source>
        <translation>keine ADTG-Datei: die Datei ist leer</translation>
    </message>
    <message>
        <source>not an ADTG file: no header</source>
        <translation>keine ADTG-Datei: kein Dateikopf</translation>
    </message>
    <message>
        <source>not an ADTG file: wrong signature</source>
        <translation>keine ADTG-Datei: falsche Signatur</translation>
    </message>
    <message>
        <source>the file ends before its column descriptors</source>
        <translation>die Datei endet vor ihren Spaltenbeschreibungen</translation>
    </message>
    <message>
        <source>a second result descriptor (a hierarchical recordset, which is not supported)</source>
        <translation>eine zweite Ergebnisbeschreibung (ein hierarchisches Recordset, das nicht unterstützt wird)</translation>
    </message>
    <message>
        <source>truncated descriptor 0x%1</source>
        <translation>Beschreibung 0x%1 abgeschnitten</translation>
    </message>
    <message>
        <source>unexpected token 0x%1 before the column descriptors</source>
        <translation>unerwartetes Token 0x%1 vor den Spaltenbeschreibungen</translation>
    </message>
    <message>
        <source>no result descriptor before the column descriptors</source>
        <translation>keine Ergebnisbeschreibung vor den Spaltenbeschreibungen</translation>
    </message>
    <message>
        <source>the result descriptor counts no columns</source>
        <translation>die Ergebnisbeschreibung zählt keine Spalten</translation>
    </message>
    <message>
        <source>%1 visible columns of %2 in all</source>
        <translation>%1 sichtbare Spalten von insgesamt %2</translation>
    </message>
    <message>
        <source>a column count of %1 is more than the file can hold</source>
        <translation>eine Spaltenzahl von %1 ist mehr, als die Datei aufnehmen kann</translation>
    </message>
    <message>
        <source>the file ends before column descriptor %1 of %2</source>
        <translation>die Datei endet vor Spaltenbeschreibung %1 von %2</translation>
    </message>
    <message>
        <source>column descriptor %1 of %2 expected, found token 0x%3</source>
        <translation>Spaltenbeschreibung %1 von %2 erwartet, Token 0x%3 gefunden</translation>
    </message>
    <message>
        <source>a row count of %1 is more than the file can hold</source>
        <translation>eine Zeilenzahl von %1 ist mehr, als die Datei aufnehmen kann</translation>
    </message>
    <message>
        <source>a table of %1 rows of %2 columns is too large</source>
        <translation>eine Tabelle mit %1 Zeilen zu %2 Spalten ist zu groß</translation>
    </message>
    <message>
        <source>the file ends without its end mark</source>
        <translation>die Datei endet ohne ihre Endmarke</translation>
    </message>
    <message>
        <source> in the row at offset 0x%1</source>
        <translation> in der Zeile bei Offset 0x%1</translation>
    </message>
    <message>
        <source>%1 bytes after the end mark</source>
        <translation>%1 Bytes nach der Endmarke</translation>
    </message>
    <message>
        <source>more rows than the %1 the file counts</source>
        <translation>mehr Zeilen als die %1, die die Datei angibt</translation>
    </message>
    <message>
        <source>a change without the row it changes</source>
        <translation>eine Änderung ohne die Zeile, die sie ändert</translation>
    </message>
    <message>
        <source>a deletion without the row it deletes</source>
        <translation>eine Löschung ohne die Zeile, die sie löscht</translation>
    </message>
    <message>
        <source>unknown row token 0x%1</source>
        <translation>unbekanntes Zeilen-Token 0x%1</translation>
    </message>
    <message>
        <source>the file is too large (%1 bytes) for a table</source>
        <translation>die Datei ist zu groß (%1 Bytes) für eine Tabelle</translation>
    </message>
    <message>
        <source>the file is too large for a table</source>
        <translation>die Datei ist zu groß für eine Tabelle</translation>
    </message>
    <message>
        <source>a value of %1 bytes runs past the end</source>
        <translation>ein Wert von %1 Bytes reicht über das Ende hinaus</translation>
    </message>
    <message>
        <source>a string of an odd byte count (%1)</source>
        <translation>eine Zeichenkette mit ungerader Byteanzahl (%1)</translation>
    </message>
    <message>
        <source>an 8-bit integer</source>
        <translation>eine 8-Bit-Ganzzahl</translation>
    </message>
    <message>
        <source>an unsigned 8-bit integer</source>
        <translation>eine vorzeichenlose 8-Bit-Ganzzahl</translation>
    </message>
    <message>
        <source>a 16-bit integer</source>
        <translation>eine 16-Bit-Ganzzahl</translation>
    </message>
    <message>
        <source>an unsigned 16-bit integer</source>
        <translation>eine vorzeichenlose 16-Bit-Ganzzahl</translation>
    </message>
    <message>
        <source>a 32-bit integer</source>
        <translation>eine 32-Bit-Ganzzahl</translation>
    </message>
    <message>
        <source>an unsigned 32-bit integer</source>
        <translation>eine vorzeichenlose 32-Bit-Ganzzahl</translation>
    </message>
    <message>
        <source>a 64-bit integer</source>
        <translation>eine 64-Bit-Ganzzahl</translation>
    </message>
    <message>
        <source>%1 is not %2</source>
        <translation>%1 ist nicht %2</translation>
    </message>
    <message>
        <source>a value of %1 bytes is wider than the column&apos;s %2</source>
        <translation>ein Wert von %1 Bytes ist breiter als die Spaltenbreite %2</translation>
    </message>
    <message>
        <source>a value of %1 bytes is longer than a one-byte length counts</source>
        <translation>ein Wert von %1 Bytes ist länger, als eine Ein-Byte-Länge zählt</translation>
    </message>
    <message>
        <source>a value of %1 bytes is longer than a four-byte length counts</source>
        <translation>ein Wert von %1 Bytes ist länger, als eine Vier-Byte-Länge zählt</translation>
    </message>
    <message>
        <source>an unsigned 64-bit integer</source>
        <translation>eine vorzeichenlose 64-Bit-Ganzzahl</translation>
    </message>
    <message>
        <source>a date</source>
        <translation>ein Datum</translation>
    </message>
    <message>
        <source>a GUID</source>
        <translation>eine GUID</translation>
    </message>
    <message>
        <source>a time of day</source>
        <translation>eine Uhrzeit</translation>
    </message>
    <message>
        <source>a date and time</source>
        <translation>ein Datum mit Uhrzeit</translation>
    </message>
    <message>
        <source>a currency amount</source>
        <translation>ein Währungsbetrag</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>within the range of a single</source>
        <translation>im Wertebereich einer einfach genauen Gleitkommazahl</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a character that Windows-1252 has not</source>
        <translation>„%1“ enthält ein Zeichen, das es in Windows-1252 nicht gibt</translation>
    </message>
    <message>
        <source>the column type %1 cannot be written</source>
        <translation>der Spaltentyp %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>a table of %1 columns; a file holds 65535 at most</source>
        <translation>eine Tabelle mit %1 Spalten; eine Datei fasst höchstens 65535</translation>
    </message>
    <message>
        <source>a table of %1 rows is too long</source>
        <translation>eine Tabelle mit %1 Zeilen ist zu lang</translation>
    </message>
    <message>
        <source>the name of column %1 (%2 characters) is too long</source>
        <translation>der Name der Spalte %1 (%2 Zeichen) ist zu lang</translation>
    </message>
    <message>
        <source>Row %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
</context>
<context>
    <name>AlertsWindow</name>
    <message>
        <source>Alerts</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>%1 Invoice %2 to %3 for %4 is overdue</source>
        <translation>%1 Rechnung %2 an %3 über %4 ist überfällig</translation>
    </message>
    <message>
        <source>Remind Me Next Time</source>
        <translation>Nächstes Mal erinnern</translation>
    </message>
    <message>
        <source>Never Show This Alert Again</source>
        <translation>Diesen Hinweis nie mehr zeigen</translation>
    </message>
    <message>
        <source>Cancel Alert</source>
        <translation>Hinweis aufheben</translation>
    </message>
    <message>
        <source>Please Select an Alert to work with</source>
        <translation>Bitte wählen Sie einen Hinweis aus</translation>
    </message>
    <message>
        <source>This appointment has been deleted.</source>
        <translation>Dieser Termin wurde gelöscht.</translation>
    </message>
    <message>
        <source>The database reported an error:
%1</source>
        <translation>Die Datenbank meldet einen Fehler:
%1</translation>
    </message>
</context>
<context>
    <name>AppointmentDialog</name>
    <message>
        <source>You have not added any details</source>
        <translation>Sie haben keine Details eingegeben</translation>
    </message>
    <message>
        <source>You already have An Appointment
For the selected Date and Time</source>
        <translation>Sie haben bereits einen Termin
zum gewählten Datum und zur gewählten Uhrzeit</translation>
    </message>
    <message>
        <source>This appointment has been deleted since this window was opened, so it cannot be updated.</source>
        <translation>Dieser Termin wurde gelöscht, seit dieses Fenster geöffnet wurde, und kann daher nicht aktualisiert werden.</translation>
    </message>
    <message>
        <source>The details can be at most %1 characters long; these are %2. Please shorten them.</source>
        <translation>Die Details dürfen höchstens %1 Zeichen lang sein; diese haben %2. Bitte kürzen Sie sie.</translation>
    </message>
    <message>
        <source>Add Appointment</source>
        <translation>Termin hinzufügen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time (24 hrs)</source>
        <translation>Uhrzeit (24 Std.)</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Set an Alert </source>
        <translation>Hinweis setzen </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Edit Appointment</source>
        <translation>Termin bearbeiten</translation>
    </message>
    <message>
        <source>The database reported an error:
%1</source>
        <translation>Die Datenbank meldet einen Fehler:
%1</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>cancelled.</source>
        <translation>abgebrochen.</translation>
    </message>
    <message>
        <source>A reference database cannot be made: %1</source>
        <translation>Es kann keine Referenzdatenbank erstellt werden: %1</translation>
    </message>
    <message>
        <source>%1 is the database itself; a backup needs a file of its own.</source>
        <translation>%1 ist die Datenbank selbst; eine Sicherung braucht eine eigene Datei.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: the database could not be copied: %2</source>
        <translation>%1 kann nicht geschrieben werden: die Datenbank konnte nicht kopiert werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be kept as %2: %3; it has not been replaced.</source>
        <translation>%1 kann nicht als %2 aufbewahrt werden: %3; es wurde nichts ersetzt.</translation>
    </message>
    <message>
        <source>The database is not open.</source>
        <translation>Die Datenbank ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>--backup needs FILE, the archive to write.</source>
        <translation>--backup braucht FILE, das zu schreibende Archiv.</translation>
    </message>
    <message>
        <source>There is no Billcraft database (%1) in %2.</source>
        <translation>In %2 gibt es keine Billcraft-Datenbank (%1).</translation>
    </message>
    <message>
        <source>%1 is not a Billcraft database</source>
        <translation>%1 ist keine Billcraft-Datenbank</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1: it has no table %2.</source>
        <translation>%1: sie hat keine Tabelle %2.</translation>
    </message>
    <message>
        <source>The earlier copy %1 cannot be removed.</source>
        <translation>Die frühere Kopie %1 kann nicht entfernt werden.</translation>
    </message>
    <message>
        <source>%1 is not an SQLite database.</source>
        <translation>%1 ist keine SQLite-Datenbank.</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 ist beschädigt: %2</translation>
    </message>
    <message>
        <source>%1 is not a Billcraft database: it has no table %2.</source>
        <translation>%1 ist keine Billcraft-Datenbank: sie hat keine Tabelle %2.</translation>
    </message>
    <message>
        <source>%1 is not a Billcraft database: the table %2 has no column %3.</source>
        <translation>%1 ist keine Billcraft-Datenbank: die Tabelle %2 hat keine Spalte %3.</translation>
    </message>
    <message>
        <source>%1 cannot be locked: %2</source>
        <translation>%1 kann nicht gesperrt werden: %2</translation>
    </message>
    <message>
        <source>%1 is still open in another program; it has not been replaced.</source>
        <translation>%1 ist noch in einem anderen Programm geöffnet; sie wurde nicht ersetzt.</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation>%1 kann nicht ersetzt werden: %2</translation>
    </message>
    <message>
        <source>%1 was replaced, but the change could not be flushed to disk: %2</source>
        <translation>%1 wurde ersetzt, aber die Änderung konnte nicht auf die Festplatte geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>BackupRestore</name>
    <message>
        <source>All Back Up files (*.bak *.BAK)</source>
        <translation>Alle Sicherungsdateien (*.bak *.BAK)</translation>
    </message>
    <message>
        <source>bak files (*.bak *.BAK)</source>
        <translation>bak-Dateien (*.bak *.BAK)</translation>
    </message>
    <message>
        <source>Backing up the data file...</source>
        <translation>Datendatei wird gesichert...</translation>
    </message>
    <message>
        <source>All Bak files (*.bak *.BAK)</source>
        <translation>Alle bak-Dateien (*.bak *.BAK)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Reading the back up...</source>
        <translation>Sicherung wird gelesen...</translation>
    </message>
    <message>
        <source>Back Up DataFile ?</source>
        <translation>Datendatei sichern?</translation>
    </message>
    <message>
        <source>Back Up ?</source>
        <translation>Sichern?</translation>
    </message>
    <message>
        <source>Back Data file</source>
        <translation>Datendatei sichern</translation>
    </message>
    <message>
        <source>File Backed Up</source>
        <translation>Datei gesichert</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>The back up was not made.
</source>
        <translation>Die Sicherung wurde nicht erstellt.
</translation>
    </message>
    <message>
        <source>Restore DataFile ?</source>
        <translation>Datendatei wiederherstellen?</translation>
    </message>
    <message>
        <source>Restore ?</source>
        <translation>Wiederherstellen?</translation>
    </message>
    <message>
        <source>Restore DataFile</source>
        <translation>Datendatei wiederherstellen</translation>
    </message>
    <message>
        <source>File Restore Error</source>
        <translation>Fehler beim Wiederherstellen</translation>
    </message>
    <message>
        <source>File restore Failed The back up is invalid
Returning to existing Data file</source>
        <translation>Wiederherstellen fehlgeschlagen: Die Sicherung ist ungültig
Die bisherige Datendatei wird weiter verwendet</translation>
    </message>
    <message>
        <source>File Sucessfully Restored</source>
        <translation>Datei erfolgreich wiederhergestellt</translation>
    </message>
    <message>
        <source>
The data file it replaced is kept as %1</source>
        <translation>
Die ersetzte Datendatei wird als %1 aufbewahrt</translation>
    </message>
    <message>
        <source>The back up was proved sound but could not replace the data file:
%1
Returning to existing Data file</source>
        <translation>Die Sicherung wurde als einwandfrei geprüft, konnte aber die Datendatei nicht ersetzen:
%1
Die bisherige Datendatei wird weiter verwendet</translation>
    </message>
    <message>
        <source>The data file could not be opened again:
%1
Close Billcraft and start it again.</source>
        <translation>Die Datendatei konnte nicht wieder geöffnet werden:
%1
Schließen Sie Billcraft und starten Sie es neu.</translation>
    </message>
    <message numerus="yes">
        <source>%n other seat(s) are connected to the shared books. A restore replaces everything they work on: ask them to close Billcraft, then restore again.</source>
        <translation>
            <numerusform>%n weiterer Arbeitsplatz ist mit der gemeinsamen Buchhaltung verbunden. Eine Wiederherstellung ersetzt alles, woran dort gearbeitet wird: Bitten Sie, dort Billcraft zu schließen, und stellen Sie dann erneut wieder her.</numerusform>
            <numerusform>%n weitere Arbeitsplätze sind mit der gemeinsamen Buchhaltung verbunden. Eine Wiederherstellung ersetzt alles, woran dort gearbeitet wird: Bitten Sie, dort Billcraft zu schließen, und stellen Sie dann erneut wieder her.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BookCopy</name>
    <message>
        <source>the table %1 cannot be read</source>
        <translation>die Tabelle %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the column %1 of %2 has no place in %3</source>
        <translation>die Spalte %1 von %2 hat keinen Platz in %3</translation>
    </message>
    <message>
        <source>%1 is not open</source>
        <translation>%1 ist nicht geöffnet</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>%1: %2 in %3 but %4 in %5</source>
        <translation>%1: %2 in %3, aber %4 in %5</translation>
    </message>
    <message>
        <source>rows of %1</source>
        <translation>Zeilen von %1</translation>
    </message>
    <message>
        <source>sum of the invoices&apos; Total</source>
        <translation>Summe der Rechnungsbeträge (brutto)</translation>
    </message>
    <message>
        <source>sum of the invoices&apos; VAT</source>
        <translation>Summe der MwSt. der Rechnungen</translation>
    </message>
    <message>
        <source>sum of the invoices&apos; Value</source>
        <translation>Summe der Rechnungsbeträge (netto)</translation>
    </message>
    <message>
        <source>sum of the expenses&apos; Value</source>
        <translation>Summe der Ausgabenbeträge</translation>
    </message>
    <message>
        <source>sum of the expenses&apos; VAT</source>
        <translation>Summe der MwSt. der Ausgaben</translation>
    </message>
    <message>
        <source>Identity %1 (%2) has %3 invoices numbered &quot;%4&quot;; shared books allow one. Renumber all but one of them, then copy again.</source>
        <translation>Mandant %1 (%2) hat %3 Rechnungen mit der Nummer „%4“; eine gemeinsame Buchhaltung erlaubt nur eine. Nummerieren Sie alle bis auf eine um und kopieren Sie dann erneut.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be copied to %2: %3</source>
        <translation>%1 kann nicht nach %2 kopiert werden: %3</translation>
    </message>
    <message>
        <source>The copy does not match its source, so nothing has been copied:
%1</source>
        <translation>Die Kopie stimmt nicht mit ihrer Quelle überein, daher wurde nichts kopiert:
%1</translation>
    </message>
    <message>
        <source>There is no Billcraft database (%1) in %2.</source>
        <translation>In %2 gibt es keine Billcraft-Datenbank (%1).</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The database %1 already holds books (rows in %2); a copy needs an empty database. Nothing has been changed.</source>
        <translation>Die Datenbank %1 enthält bereits Buchhaltungsdaten (Zeilen in %2); eine Kopie braucht eine leere Datenbank. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Nothing has been copied: %1</source>
        <translation>Es wurde nichts kopiert: %1</translation>
    </message>
    <message>
        <source>a value is stored as bytes, not as text or a number</source>
        <translation>ein Wert ist als Bytes gespeichert, nicht als Text oder Zahl</translation>
    </message>
    <message>
        <source>a text holds the character U+0000, which the server cannot keep</source>
        <translation>ein Text enthält das Zeichen U+0000, das der Server nicht speichern kann</translation>
    </message>
    <message>
        <source>the server sent a row that cannot be read</source>
        <translation>der Server hat eine Zeile gesendet, die nicht gelesen werden kann</translation>
    </message>
</context>
<context>
    <name>BusinessIds</name>
    <message>
        <source>U and 8 digits</source>
        <translation>U und 8 Ziffern</translation>
    </message>
    <message>
        <source>10 digits, the first 0 or 1</source>
        <translation>10 Ziffern, die erste 0 oder 1</translation>
    </message>
    <message>
        <source>9 or 10 digits</source>
        <translation>9 oder 10 Ziffern</translation>
    </message>
    <message>
        <source>8 digits and a letter</source>
        <translation>8 Ziffern und ein Buchstabe</translation>
    </message>
    <message>
        <source>8 to 10 digits</source>
        <translation>8 bis 10 Ziffern</translation>
    </message>
    <message>
        <source>9 digits</source>
        <translation>9 Ziffern</translation>
    </message>
    <message>
        <source>8 digits</source>
        <translation>8 Ziffern</translation>
    </message>
    <message>
        <source>9 characters, 7 digits between a letter or digit each</source>
        <translation>9 Zeichen, 7 Ziffern zwischen je einem Buchstaben oder einer Ziffer</translation>
    </message>
    <message>
        <source>2 letters or digits and 9 digits</source>
        <translation>2 Buchstaben oder Ziffern und 9 Ziffern</translation>
    </message>
    <message>
        <source>11 digits</source>
        <translation>11 Ziffern</translation>
    </message>
    <message>
        <source>7 digits (the second may be a letter) and 1 or 2 letters</source>
        <translation>7 Ziffern (die zweite kann ein Buchstabe sein) und 1 oder 2 Buchstaben</translation>
    </message>
    <message>
        <source>9 or 12 digits</source>
        <translation>9 oder 12 Ziffern</translation>
    </message>
    <message>
        <source>9 digits, B and 2 digits</source>
        <translation>9 Ziffern, B und 2 Ziffern</translation>
    </message>
    <message>
        <source>10 digits</source>
        <translation>10 Ziffern</translation>
    </message>
    <message>
        <source>2 to 10 digits</source>
        <translation>2 bis 10 Ziffern</translation>
    </message>
    <message>
        <source>12 digits ending in 01</source>
        <translation>12 Ziffern, endend auf 01</translation>
    </message>
    <message>
        <source>9 or 12 digits, or GD or HA and 3 digits</source>
        <translation>9 oder 12 Ziffern, oder GD oder HA und 3 Ziffern</translation>
    </message>
    <message>
        <source>E, 9 digits and MWST, TVA or IVA</source>
        <translation>E, 9 Ziffern und MWST, TVA oder IVA</translation>
    </message>
    <message>
        <source>9 digits and MVA</source>
        <translation>9 Ziffern und MVA</translation>
    </message>
    <message>
        <source>2 to 13 letters or digits</source>
        <translation>2 bis 13 Buchstaben oder Ziffern</translation>
    </message>
    <message>
        <source>An IBAN holds only letters and digits: &quot;%1&quot; does not.</source>
        <translation>Eine IBAN enthält nur Buchstaben und Ziffern: „%1“ nicht.</translation>
    </message>
    <message>
        <source>An IBAN begins with its country&apos;s two letters and two check digits: &quot;%1&quot; does not.</source>
        <translation>Eine IBAN beginnt mit den zwei Buchstaben ihres Landes und zwei Prüfziffern: „%1“ nicht.</translation>
    </message>
    <message>
        <source>The IBAN begins with &quot;%1&quot;, which is no country&apos;s code.</source>
        <translation>Die IBAN beginnt mit „%1“, das ist kein Ländercode.</translation>
    </message>
    <message>
        <source>An IBAN of %1 has %2 characters; this one has %3.</source>
        <translation>Eine IBAN aus %1 hat %2 Zeichen; diese hat %3.</translation>
    </message>
    <message>
        <source>An IBAN has 15 to 34 characters; this one has %1.</source>
        <translation>Eine IBAN hat 15 bis 34 Zeichen; diese hat %1.</translation>
    </message>
    <message>
        <source>The IBAN&apos;s check digits are wrong: check it against your bank statement.</source>
        <translation>Die Prüfziffern der IBAN sind falsch: Vergleichen Sie sie mit Ihrem Kontoauszug.</translation>
    </message>
    <message>
        <source>A BIC has 8 or 11 characters; this one has %1.</source>
        <translation>Eine BIC hat 8 oder 11 Zeichen; diese hat %1.</translation>
    </message>
    <message>
        <source>A BIC begins with four letters for the bank: &quot;%1&quot; does not.</source>
        <translation>Eine BIC beginnt mit vier Buchstaben für die Bank: „%1“ nicht.</translation>
    </message>
    <message>
        <source>A BIC&apos;s fifth and sixth characters are its country: &quot;%1&quot; is no country&apos;s code.</source>
        <translation>Das fünfte und sechste Zeichen einer BIC bezeichnen ihr Land: „%1“ ist kein Ländercode.</translation>
    </message>
    <message>
        <source>After its country a BIC holds only letters and digits: &quot;%1&quot; does not.</source>
        <translation>Nach dem Land enthält eine BIC nur Buchstaben und Ziffern: „%1“ nicht.</translation>
    </message>
    <message>
        <source>A VAT number begins with its country&apos;s two letters (DE, FR, EL...): &quot;%1&quot; does not.</source>
        <translation>Eine USt-IdNr. beginnt mit den zwei Buchstaben ihres Landes (DE, FR, EL...): „%1“ nicht.</translation>
    </message>
    <message>
        <source>Greek VAT numbers begin with EL, not GR.</source>
        <translation>Griechische USt-IdNrn. beginnen mit EL, nicht mit GR.</translation>
    </message>
    <message>
        <source>The VAT number begins with &quot;%1&quot;, which is no country&apos;s code.</source>
        <translation>Die USt-IdNr. beginnt mit „%1“, das ist kein Ländercode.</translation>
    </message>
    <message>
        <source>A VAT number of %1 is %2 followed by %3: &quot;%4&quot; is not.</source>
        <translation>Eine USt-IdNr. aus %1 besteht aus %2, gefolgt von %3: „%4“ nicht.</translation>
    </message>
    <message>
        <source>The VAT number &quot;%1&quot; is of %2, but the country is %3.</source>
        <translation>Die USt-IdNr. „%1“ gehört zu %2, das Land ist aber %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a country code.</source>
        <translation>„%1“ ist kein Ländercode.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an e-mail address: it needs the form name@example.com, without blanks.</source>
        <translation>„%1“ ist keine E-Mail-Adresse: Erwartet wird die Form name@example.com, ohne Leerzeichen.</translation>
    </message>
</context>
<context>
    <name>BuyerDetails</name>
    <message>
        <source>The client no longer exists.</source>
        <translation>Den Kunden gibt es nicht mehr.</translation>
    </message>
</context>
<context>
    <name>BuyerDetailsDialog</name>
    <message>
        <source>E-invoice details</source>
        <translation>E-Rechnungsdaten</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>VAT number</source>
        <translation>USt-IdNr.</translation>
    </message>
    <message>
        <source>E-invoice address</source>
        <translation>E-Rechnungsadresse</translation>
    </message>
    <message>
        <source>Buyer reference (Leitweg-ID)</source>
        <translation>Käuferreferenz (Leitweg-ID)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The e-invoice details could not be saved.</source>
        <translation>Die E-Rechnungsdaten konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The client no longer exists.</source>
        <translation>Den Kunden gibt es nicht mehr.</translation>
    </message>
    <message>
        <source>The e-invoice details could not be read.</source>
        <translation>Die E-Rechnungsdaten konnten nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>Calculator</name>
    <message>
        <source>Cannot divide by zero</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
</context>
<context>
    <name>CalculatorWindow</name>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>CE</source>
        <translation>CE</translation>
    </message>
    <message>
        <source>CM</source>
        <translation>MC</translation>
    </message>
    <message>
        <source>RM</source>
        <translation>MR</translation>
    </message>
    <message>
        <source>M+</source>
        <translation>M+</translation>
    </message>
</context>
<context>
    <name>CalendarTab</name>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Add Appointment</source>
        <translation>Termin hinzufügen</translation>
    </message>
    <message>
        <source>View Appointments</source>
        <translation>Termine anzeigen</translation>
    </message>
    <message>
        <source>All Appointments</source>
        <translation>Alle Termine</translation>
    </message>
    <message>
        <source>Right click to edit appointments</source>
        <translation>Rechtsklick zum Bearbeiten von Terminen</translation>
    </message>
    <message>
        <source>Appointments</source>
        <translation>Termine</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Exit Menu</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No Appointments</source>
        <translation>Keine Termine</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>This appointment has been deleted.</source>
        <translation>Dieser Termin wurde gelöscht.</translation>
    </message>
    <message>
        <source>This Will Delete %1 proceed ?</source>
        <translation>%1 wird gelöscht. Fortfahren?</translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation>Löschen?</translation>
    </message>
    <message>
        <source>You have no appointments</source>
        <translation>Sie haben keine Termine</translation>
    </message>
    <message>
        <source>The database reported an error:
%1</source>
        <translation>Die Datenbank meldet einen Fehler:
%1</translation>
    </message>
</context>
<context>
    <name>ClientDropDown</name>
    <message>
        <source>The client list could not be read.
</source>
        <translation>Die Kundenliste konnte nicht gelesen werden.
</translation>
    </message>
    <message>
        <source>Select Company</source>
        <translation>Firma auswählen</translation>
    </message>
</context>
<context>
    <name>ClientsTab</name>
    <message>
        <source>Salutation</source>
        <translation>Anrede</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Company*</source>
        <translation>Firma*</translation>
    </message>
    <message>
        <source>Address1</source>
        <translation>Adresse 1</translation>
    </message>
    <message>
        <source>Address2</source>
        <translation>Adresse 2</translation>
    </message>
    <message>
        <source>Address3</source>
        <translation>Adresse 3</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>County / State</source>
        <translation>Bundesland</translation>
    </message>
    <message>
        <source>Postcode/Zip</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Mobil</translation>
    </message>
    <message>
        <source>Do you want to add a new company ?</source>
        <translation>Möchten Sie eine neue Firma anlegen?</translation>
    </message>
    <message>
        <source>Type the first characters of the client you are looking for</source>
        <translation>Geben Sie die ersten Zeichen des gesuchten Kunden ein</translation>
    </message>
    <message>
        <source>
There are Invoices For this client
These will also be Deleted !
</source>
        <translation>
Zu diesem Kunden gibt es Rechnungen
Diese werden ebenfalls gelöscht!
</translation>
    </message>
    <message>
        <source>Confirm Deletion of Client and Associated Invoices
Not recomended</source>
        <translation>Löschen des Kunden und seiner Rechnungen bestätigen
Nicht empfohlen</translation>
    </message>
    <message>
        <source>Clients</source>
        <translation>Kunden</translation>
    </message>
    <message>
        <source>ClientID</source>
        <translation>Kunden-Nr.</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>AddNew</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>E-invoice details...</source>
        <translation>E-Rechnungsdaten...</translation>
    </message>
    <message>
        <source>The client could not be loaded.</source>
        <translation>Der Kunde konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Add New Client?</source>
        <translation>Neuen Kunden anlegen?</translation>
    </message>
    <message>
        <source>You must enter a Company</source>
        <translation>Bitte geben Sie eine Firma ein</translation>
    </message>
    <message>
        <source>The new client could not be saved.</source>
        <translation>Der neue Kunde konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>New Client Saved</source>
        <translation>Kunde gespeichert</translation>
    </message>
    <message>
        <source>The client could not be saved.</source>
        <translation>Der Kunde konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The clients could not be searched.</source>
        <translation>Die Kunden konnten nicht durchsucht werden.</translation>
    </message>
    <message>
        <source>Not Found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>The client&apos;s invoices could not be checked, so nothing was deleted.</source>
        <translation>Die Rechnungen des Kunden konnten nicht geprüft werden, daher wurde nichts gelöscht.</translation>
    </message>
    <message>
        <source>This Will Delete %1 proceed ?</source>
        <translation>%1 wird gelöscht. Fortfahren?</translation>
    </message>
    <message>
        <source>The client could not be deleted; nothing was changed.</source>
        <translation>Der Kunde konnte nicht gelöscht werden; es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>CsvMappingDialog</name>
    <message>
        <source>Booking date</source>
        <translation>Buchungsdatum</translation>
    </message>
    <message>
        <source>Amount (signed)</source>
        <translation>Betrag (±)</translation>
    </message>
    <message>
        <source>Money in</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>Money out</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>Remittance text</source>
        <translation>Verwendungszweck</translation>
    </message>
    <message>
        <source>Bank reference</source>
        <translation>Bankreferenz</translation>
    </message>
    <message>
        <source>Payer or payee</source>
        <translation>Zahler/Empfänger</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Columns of the Bank&apos;s Statement</source>
        <translation>Spalten des Kontoauszugs</translation>
    </message>
    <message>
        <source>Delimiter</source>
        <translation>Trennzeichen</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Header line</source>
        <translation>Kopfzeile</translation>
    </message>
    <message>
        <source>First lines</source>
        <translation>Erste Zeilen</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>Decimal mark</source>
        <translation>Dezimalzeichen</translation>
    </message>
    <message>
        <source>Comma (1.234,56)</source>
        <translation>Komma (1.234,56)</translation>
    </message>
    <message>
        <source>Point (1,234.56)</source>
        <translation>Punkt (1,234.56)</translation>
    </message>
    <message>
        <source>Currency otherwise</source>
        <translation>Standardwährung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Choose the column of the booking date, and the signed amount&apos;s or the columns of money in and out.</source>
        <translation>Wählen Sie die Spalte des Buchungsdatums und die des Betrags mit Vorzeichen oder die Spalten für Eingang und Ausgang.</translation>
    </message>
    <message>
        <source>With these columns the file cannot be read: %1</source>
        <translation>Mit diesen Spalten kann die Datei nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>No data folder was given.</source>
        <translation>Es wurde kein Datenordner angegeben.</translation>
    </message>
    <message>
        <source>The data folder %1 is a file, not a folder.</source>
        <translation>Der Datenordner %1 ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be created.</source>
        <translation>Der Datenordner %1 kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The data folder %1 is read-only. Billcraft needs to write there: make the folder writable, or start Billcraft with another data folder.</source>
        <translation>Der Datenordner %1 ist schreibgeschützt. Billcraft muss dort schreiben können: Machen Sie den Ordner beschreibbar oder starten Sie Billcraft mit einem anderen Datenordner.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be written to.</source>
        <translation>In den Datenordner %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2</source>
        <translation>Der Ordner %1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>%1 is a link to another place. Billcraft writes a copy of your books there, so it must be a folder of your own in the data folder: remove the link and try again.</source>
        <translation>%1 ist eine Verknüpfung zu einem anderen Ort. Billcraft schreibt dort eine Kopie Ihrer Buchhaltung, daher muss es ein eigener Ordner im Datenordner sein: Entfernen Sie die Verknüpfung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 is not a folder; Billcraft needs a folder of that name.</source>
        <translation>%1 ist kein Ordner; Billcraft braucht einen Ordner mit diesem Namen.</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user. Billcraft writes a copy of your books there, so it must be yours: remove it and try again.</source>
        <translation>Der Ordner %1 gehört einem anderen Benutzer. Billcraft schreibt dort eine Kopie Ihrer Buchhaltung, daher muss er Ihnen gehören: Entfernen Sie ihn und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made private to you: %2</source>
        <translation>Der Ordner %1 kann nicht auf Sie allein beschränkt werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be made private to you: %2</source>
        <translation>%1 kann nicht auf Sie allein beschränkt werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be locked: %2</source>
        <translation>%1 kann nicht gesperrt werden: %2</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>%1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>The data folder %1 does not exist.</source>
        <translation>Der Datenordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The data folder %1 is read-only. Billcraft needs to write there: make the folder writable, or start Billcraft with another data folder.</source>
        <translation>Der Datenordner %1 ist schreibgeschützt. Billcraft muss dort schreiben können: Machen Sie den Ordner beschreibbar oder starten Sie Billcraft mit einem anderen Datenordner.</translation>
    </message>
    <message>
        <source>%1 is read-only. Billcraft needs to write to it: make the file writable, or start Billcraft with another data folder.</source>
        <translation>%1 ist schreibgeschützt. Billcraft muss in die Datei schreiben können: Machen Sie die Datei beschreibbar oder starten Sie Billcraft mit einem anderen Datenordner.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a Billcraft database (%2). Billcraft has left it unchanged.</source>
        <translation>%1 ist keine Billcraft-Datenbank (%2). Billcraft hat sie unverändert gelassen.</translation>
    </message>
    <message>
        <source>it is a database of the earlier Windows program, still to be converted</source>
        <translation>es ist eine Datenbank des früheren Windows-Programms, die noch konvertiert werden muss</translation>
    </message>
    <message>
        <source>it is not an SQLite file</source>
        <translation>es ist keine SQLite-Datei</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2. Billcraft has left it unchanged.</source>
        <translation>%1 kann nicht gelesen werden: %2. Billcraft hat sie unverändert gelassen.</translation>
    </message>
    <message>
        <source>it holds none of Billcraft&apos;s tables</source>
        <translation>sie enthält keine der Tabellen von Billcraft</translation>
    </message>
    <message>
        <source>it lacks the tables %1</source>
        <translation>ihr fehlen die Tabellen %1</translation>
    </message>
    <message>
        <source>%1 cannot use a write-ahead journal (the journal mode is &quot;%2&quot;), so a saved invoice might not survive a power cut. %3</source>
        <translation>%1 kann kein Write-Ahead-Journal verwenden (der Journalmodus ist „%2“), daher könnte eine gespeicherte Rechnung einen Stromausfall nicht überstehen. %3</translation>
    </message>
    <message>
        <source>%1 cannot be set to write every change through to the disk, so a saved invoice might not survive a power cut. %2</source>
        <translation>%1 kann nicht so eingestellt werden, dass jede Änderung direkt auf die Festplatte geschrieben wird, daher könnte eine gespeicherte Rechnung einen Stromausfall nicht überstehen. %2</translation>
    </message>
    <message>
        <source>Cannot add %1.%2 of type %3</source>
        <translation>%1.%2 vom Typ %3 kann nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1: the table %2 cannot be created: %3</source>
        <translation>%1: die Tabelle %2 kann nicht erstellt werden: %3</translation>
    </message>
    <message>
        <source>%1 cannot be upgraded: %2</source>
        <translation>%1 kann nicht aktualisiert werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be upgraded to version %2: %3</source>
        <translation>%1 kann nicht auf Version %2 aktualisiert werden: %3</translation>
    </message>
    <message>
        <source>Billcraft cannot reach shared books: Qt&apos;s PostgreSQL driver is missing (Debian package libqt6sql6-psql).</source>
        <translation>Billcraft erreicht die gemeinsame Buchhaltung nicht: Der PostgreSQL-Treiber von Qt fehlt (Debian-Paket libqt6sql6-psql).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached: %2</source>
        <translation>Der Server von %1 ist nicht erreichbar: %2</translation>
    </message>
    <message>
        <source>The server of %1 refused a setting: %2</source>
        <translation>Der Server von %1 hat eine Einstellung abgelehnt: %2</translation>
    </message>
    <message>
        <source>The database %1 holds tables of another program. Shared books need an empty database of their own: Billcraft has left it unchanged.</source>
        <translation>Die Datenbank %1 enthält Tabellen eines anderen Programms. Eine gemeinsame Buchhaltung braucht eine eigene, leere Datenbank: Billcraft hat sie unverändert gelassen.</translation>
    </message>
    <message>
        <source>%1: the shared books cannot be made: %2</source>
        <translation>%1: die gemeinsame Buchhaltung kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>The shared books at %1 were last upgraded by a newer Billcraft (schema version %2; this Billcraft knows version %3). Update Billcraft on this computer to use them. Nothing has been changed.</source>
        <translation>Die gemeinsame Buchhaltung unter %1 wurde zuletzt von einer neueren Billcraft-Version aktualisiert (Schemaversion %2; diese Billcraft-Version kennt Version %3). Aktualisieren Sie Billcraft auf diesem Computer, um sie zu nutzen. Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>DesignerElement</name>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Divider Line</source>
        <translation>Trennlinie</translation>
    </message>
</context>
<context>
    <name>DesignerLogo</name>
    <message>
        <source>%1 could not be made into a smaller picture.</source>
        <translation>%1 konnte nicht in ein kleineres Bild umgewandelt werden.</translation>
    </message>
    <message>
        <source>%1 changed while it was read.</source>
        <translation>%1 wurde während des Lesens geändert.</translation>
    </message>
</context>
<context>
    <name>DesignerModel</name>
    <message>
        <source>Move %1</source>
        <translation>%1 verschieben</translation>
    </message>
    <message>
        <source>Nudge %1</source>
        <translation>%1 verrücken</translation>
    </message>
    <message>
        <source>Fit for Preview</source>
        <translation>An Vorschau anpassen</translation>
    </message>
    <message>
        <source>Align Lefts</source>
        <translation>Linksbündig</translation>
    </message>
    <message>
        <source>Align Rights</source>
        <translation>Rechtsbündig</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>Address As Line</source>
        <translation>Adresse als Zeile</translation>
    </message>
    <message>
        <source>Use Logo</source>
        <translation>Mit Logo</translation>
    </message>
    <message>
        <source>Show Divider Line</source>
        <translation>Trennlinie zeigen</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Bild laden</translation>
    </message>
</context>
<context>
    <name>EInvoiceAmounts</name>
    <message>
        <source>The invoice&apos;s amounts are too large to be written as an e-invoice.</source>
        <translation>Die Beträge der Rechnung sind zu groß, um als E-Rechnung geschrieben zu werden.</translation>
    </message>
    <message>
        <source>Payable within %1 days</source>
        <translation>Zahlbar innerhalb von %1 Tagen</translation>
    </message>
    <message>
        <source>The invoice charges VAT but the identity&apos;s VAT rate is 0: correct the VAT Rate on the Invoice Layout tab.</source>
        <translation>Die Rechnung berechnet MwSt., aber der MwSt.-Satz des Mandanten ist 0: Korrigieren Sie den MwSt.-Satz auf der Registerkarte Rechnungslayout.</translation>
    </message>
</context>
<context>
    <name>EInvoiceExport</name>
    <message>
        <source>Invoice %1 from %2</source>
        <translation>Rechnung %1 von %2</translation>
    </message>
</context>
<context>
    <name>EInvoiceFile</name>
    <message>
        <source>Billcraft does not write this kind of e-invoice.</source>
        <translation>Diese Art von E-Rechnung schreibt Billcraft nicht.</translation>
    </message>
    <message>
        <source>The e-invoice could not be written.</source>
        <translation>Die E-Rechnung konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Factur-X PDF (*.pdf)</source>
        <translation>Factur-X PDF (*.pdf)</translation>
    </message>
    <message>
        <source>XRechnung XML (*.xml)</source>
        <translation>XRechnung XML (*.xml)</translation>
    </message>
    <message>
        <source>UBL XML (*.xml)</source>
        <translation>UBL XML (*.xml)</translation>
    </message>
</context>
<context>
    <name>EInvoiceHtml</name>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Credit note %1</source>
        <translation>Gutschrift %1</translation>
    </message>
    <message>
        <source>Invoice %1</source>
        <translation>Rechnung %1</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>Issued</source>
        <translation>Ausgestellt</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Fällig</translation>
    </message>
    <message>
        <source>Delivered</source>
        <translation>Geliefert</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Buyer reference</source>
        <translation>Käuferreferenz</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>VAT number: %1</source>
        <translation>USt-IdNr.: %1</translation>
    </message>
    <message>
        <source>Tax number: %1</source>
        <translation>Steuernummer: %1</translation>
    </message>
    <message>
        <source>Electronic address: %1</source>
        <translation>Elektronische Adresse: %1</translation>
    </message>
    <message>
        <source>Contact: %1</source>
        <translation>Kontakt: %1</translation>
    </message>
    <message>
        <source>Phone: %1</source>
        <translation>Telefon: %1</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>E-Mail: %1</translation>
    </message>
    <message>
        <source>Seller</source>
        <translation>Verkäufer</translation>
    </message>
    <message>
        <source>Buyer</source>
        <translation>Käufer</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Positionen</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Netto</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>MwSt.</translation>
    </message>
    <message>
        <source>VAT breakdown</source>
        <translation>MwSt.-Aufschlüsselung</translation>
    </message>
    <message>
        <source>Taxable</source>
        <translation>Bemessungsgrundlage</translation>
    </message>
    <message>
        <source>VAT amount</source>
        <translation>MwSt.-Betrag</translation>
    </message>
    <message>
        <source>Exemption reason</source>
        <translation>Befreiungsgrund</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Summen</translation>
    </message>
    <message>
        <source>Allowances</source>
        <translation>Nachlässe</translation>
    </message>
    <message>
        <source>Charges</source>
        <translation>Zuschläge</translation>
    </message>
    <message>
        <source>Total without VAT</source>
        <translation>Summe ohne MwSt.</translation>
    </message>
    <message>
        <source>Total with VAT</source>
        <translation>Summe mit MwSt.</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Bereits gezahlt</translation>
    </message>
    <message>
        <source>Rounding</source>
        <translation>Rundung</translation>
    </message>
    <message>
        <source>Amount due</source>
        <translation>Fälliger Betrag</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bar</translation>
    </message>
    <message>
        <source>Credit transfer</source>
        <translation>Überweisung</translation>
    </message>
    <message>
        <source>Debit transfer</source>
        <translation>Lastschrift (Überweisung)</translation>
    </message>
    <message>
        <source>Payment to bank account</source>
        <translation>Zahlung auf Bankkonto</translation>
    </message>
    <message>
        <source>Bank card</source>
        <translation>Bankkarte</translation>
    </message>
    <message>
        <source>Direct debit</source>
        <translation>Lastschrift</translation>
    </message>
    <message>
        <source>Standing agreement</source>
        <translation>Dauerauftrag</translation>
    </message>
    <message>
        <source>SEPA credit transfer</source>
        <translation>SEPA-Überweisung</translation>
    </message>
    <message>
        <source>SEPA direct debit</source>
        <translation>SEPA-Lastschrift</translation>
    </message>
    <message>
        <source>Means %1</source>
        <translation>Zahlungsart %1</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Means</source>
        <translation>Zahlungsart</translation>
    </message>
    <message>
        <source>Account holder</source>
        <translation>Kontoinhaber</translation>
    </message>
    <message>
        <source>IBAN</source>
        <translation>IBAN</translation>
    </message>
    <message>
        <source>BIC</source>
        <translation>BIC</translation>
    </message>
    <message>
        <source>Terms</source>
        <translation>Bedingungen</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referenz</translation>
    </message>
</context>
<context>
    <name>EInvoiceReader</name>
    <message>
        <source>The file is empty, so it is no e-invoice.</source>
        <translation>Die Datei ist leer und daher keine E-Rechnung.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is larger than %L2 MB, more than an e-invoice can be.</source>
        <translation>%1 ist größer als %L2 MB, mehr als eine E-Rechnung sein kann.</translation>
    </message>
    <message>
        <source>Factur-X / ZUGFeRD (PDF with CII)</source>
        <translation>Factur-X / ZUGFeRD (PDF mit CII)</translation>
    </message>
    <message>
        <source>XRechnung (CII)</source>
        <translation>XRechnung (CII)</translation>
    </message>
    <message>
        <source>UBL 2.1</source>
        <translation>UBL 2.1</translation>
    </message>
    <message>
        <source>CII (UN/CEFACT Cross Industry Invoice)</source>
        <translation>CII (UN/CEFACT Cross Industry Invoice)</translation>
    </message>
    <message>
        <source>The file is XML but no e-invoice: its root element is %1.</source>
        <translation>Die Datei ist XML, aber keine E-Rechnung: ihr Wurzelelement ist %1.</translation>
    </message>
    <message>
        <source>The e-invoice has more than %L1 elements, more than Billcraft reads.</source>
        <translation>Die E-Rechnung hat mehr als %L1 Elemente, mehr als Billcraft liest.</translation>
    </message>
    <message>
        <source>The e-invoice nests its elements more than %1 deep, more than Billcraft reads.</source>
        <translation>Die E-Rechnung verschachtelt ihre Elemente tiefer als %1 Ebenen, mehr als Billcraft liest.</translation>
    </message>
    <message>
        <source>The e-invoice declares entities, and e-invoices have none: it is not read.</source>
        <translation>Die E-Rechnung deklariert Entitäten, die E-Rechnungen nicht haben: sie wird nicht gelesen.</translation>
    </message>
    <message>
        <source>The e-invoice&apos;s XML is larger than %L1 MB, more than Billcraft reads.</source>
        <translation>Das XML der E-Rechnung ist größer als %L1 MB, mehr als Billcraft liest.</translation>
    </message>
    <message>
        <source>The file declares a DTD, and e-invoices have none: it is not read.</source>
        <translation>Die Datei deklariert eine DTD, die E-Rechnungen nicht haben: sie wird nicht gelesen.</translation>
    </message>
    <message>
        <source>The file is neither a PDF nor XML, so it is no e-invoice.</source>
        <translation>Die Datei ist weder PDF noch XML und daher keine E-Rechnung.</translation>
    </message>
    <message>
        <source>The e-invoice&apos;s XML is damaged at line %1: %2</source>
        <translation>Das XML der E-Rechnung ist in Zeile %1 beschädigt: %2</translation>
    </message>
    <message>
        <source>The e-invoice&apos;s amount %1 in %2 is not a number.</source>
        <translation>Der Betrag %1 der E-Rechnung in %2 ist keine Zahl.</translation>
    </message>
    <message>
        <source>The e-invoice&apos;s date %1 in %2 is not a date.</source>
        <translation>Das Datum %1 der E-Rechnung in %2 ist kein Datum.</translation>
    </message>
    <message>
        <source>The e-invoice&apos;s VAT category %1 in %2 is not one Billcraft knows.</source>
        <translation>Die MwSt.-Kategorie %1 der E-Rechnung in %2 kennt Billcraft nicht.</translation>
    </message>
    <message>
        <source>The e-invoice&apos;s code %1 in %2 is not a number.</source>
        <translation>Der Code %1 der E-Rechnung in %2 ist keine Zahl.</translation>
    </message>
    <message>
        <source>The e-invoice has more than %L1 lines, more than Billcraft reads.</source>
        <translation>Die E-Rechnung hat mehr als %L1 Positionen, mehr als Billcraft liest.</translation>
    </message>
    <message>
        <source>The e-invoice lacks its %1.</source>
        <translation>Der E-Rechnung fehlt die Angabe %1.</translation>
    </message>
    <message>
        <source>invoice number (BT-1)</source>
        <translation>Rechnungsnummer (BT-1)</translation>
    </message>
    <message>
        <source>issue date (BT-2)</source>
        <translation>Rechnungsdatum (BT-2)</translation>
    </message>
    <message>
        <source>seller&apos;s name (BT-27)</source>
        <translation>Name des Verkäufers (BT-27)</translation>
    </message>
    <message>
        <source>total without VAT (BT-109)</source>
        <translation>Summe ohne MwSt. (BT-109)</translation>
    </message>
    <message>
        <source>total with VAT (BT-112)</source>
        <translation>Summe mit MwSt. (BT-112)</translation>
    </message>
</context>
<context>
    <name>EInvoiceRules</name>
    <message>
        <source>The invoice&apos;s amounts or VAT categories break the e-invoice rule %1, so it cannot be written as an e-invoice.</source>
        <translation>Die Beträge oder MwSt.-Kategorien der Rechnung verletzen die E-Rechnungsregel %1, daher kann sie nicht als E-Rechnung geschrieben werden.</translation>
    </message>
    <message>
        <source>The e-invoice needs your business&apos;s legal name: enter it under Trading details.</source>
        <translation>Die E-Rechnung braucht die Firmierung Ihres Unternehmens: Geben Sie sie unter Firmendaten ein.</translation>
    </message>
    <message>
        <source>The e-invoice needs your VAT number or tax number: enter one under Trading details.</source>
        <translation>Die E-Rechnung braucht Ihre USt-IdNr. oder Steuernummer: Geben Sie eine davon unter Firmendaten ein.</translation>
    </message>
    <message>
        <source>Your VAT number must begin with its country code, such as GB or DE: correct it under Trading details.</source>
        <translation>Ihre USt-IdNr. muss mit dem Ländercode beginnen, etwa DE oder AT: Korrigieren Sie sie unter Firmendaten.</translation>
    </message>
    <message>
        <source>The e-invoice needs your VAT number for this invoice&apos;s VAT category: enter it under Trading details.</source>
        <translation>Die E-Rechnung braucht für die MwSt.-Kategorie dieser Rechnung Ihre USt-IdNr.: Geben Sie sie unter Firmendaten ein.</translation>
    </message>
    <message>
        <source>The e-invoice needs your country code: enter it under Trading details.</source>
        <translation>Die E-Rechnung braucht Ihren Ländercode: Geben Sie ihn unter Firmendaten ein.</translation>
    </message>
    <message>
        <source>The e-invoice needs your IBAN for payment by credit transfer: enter it under Trading details.</source>
        <translation>Die E-Rechnung braucht für die Zahlung per Überweisung Ihre IBAN: Geben Sie sie unter Firmendaten ein.</translation>
    </message>
    <message>
        <source>The e-invoice needs your e-mail address: enter it under Trading details.</source>
        <translation>Die E-Rechnung braucht Ihre E-Mail-Adresse: Geben Sie sie unter Firmendaten ein.</translation>
    </message>
    <message>
        <source>An XRechnung needs your contact name: enter it under Trading details.</source>
        <translation>Eine XRechnung braucht Ihren Ansprechpartner: Geben Sie ihn unter Firmendaten ein.</translation>
    </message>
    <message>
        <source>An XRechnung needs your telephone number: enter it under Trading details.</source>
        <translation>Eine XRechnung braucht Ihre Telefonnummer: Geben Sie sie unter Firmendaten ein.</translation>
    </message>
    <message>
        <source>An XRechnung needs your town: enter it under Trading details.</source>
        <translation>Eine XRechnung braucht Ihren Ort: Geben Sie ihn unter Firmendaten ein.</translation>
    </message>
    <message>
        <source>An XRechnung needs your post code: enter it under Trading details.</source>
        <translation>Eine XRechnung braucht Ihre Postleitzahl: Geben Sie sie unter Firmendaten ein.</translation>
    </message>
    <message>
        <source>The e-invoice needs the client&apos;s name: enter it on the Clients tab.</source>
        <translation>Die E-Rechnung braucht den Namen des Kunden: Geben Sie ihn auf der Registerkarte Kunden ein.</translation>
    </message>
    <message>
        <source>The e-invoice needs the client&apos;s country code: enter it under E-invoice details on the Clients tab.</source>
        <translation>Die E-Rechnung braucht den Ländercode des Kunden: Geben Sie ihn unter E-Rechnungsdaten auf der Registerkarte Kunden ein.</translation>
    </message>
    <message>
        <source>The client&apos;s VAT number must begin with its country code, such as FR or DE: correct it under E-invoice details on the Clients tab.</source>
        <translation>Die USt-IdNr. des Kunden muss mit dem Ländercode beginnen, etwa FR oder DE: Korrigieren Sie sie unter E-Rechnungsdaten auf der Registerkarte Kunden.</translation>
    </message>
    <message>
        <source>The e-invoice needs the client&apos;s VAT number for this invoice&apos;s VAT category: enter it under E-invoice details on the Clients tab.</source>
        <translation>Die E-Rechnung braucht für die MwSt.-Kategorie dieser Rechnung die USt-IdNr. des Kunden: Geben Sie sie unter E-Rechnungsdaten auf der Registerkarte Kunden ein.</translation>
    </message>
    <message>
        <source>The e-invoice needs the client&apos;s e-invoice address: enter it under E-invoice details on the Clients tab.</source>
        <translation>Die E-Rechnung braucht die E-Rechnungsadresse des Kunden: Geben Sie sie unter E-Rechnungsdaten auf der Registerkarte Kunden ein.</translation>
    </message>
    <message>
        <source>A UBL e-invoice needs the client&apos;s buyer reference or order number: enter it under E-invoice details on the Clients tab.</source>
        <translation>Eine UBL-E-Rechnung braucht die Käuferreferenz oder Bestellnummer des Kunden: Geben Sie sie unter E-Rechnungsdaten auf der Registerkarte Kunden ein.</translation>
    </message>
    <message>
        <source>An XRechnung needs the client&apos;s buyer reference (Leitweg-ID): enter it under E-invoice details on the Clients tab.</source>
        <translation>Eine XRechnung braucht die Käuferreferenz (Leitweg-ID) des Kunden: Geben Sie sie unter E-Rechnungsdaten auf der Registerkarte Kunden ein.</translation>
    </message>
    <message>
        <source>An XRechnung needs the client&apos;s town: enter it on the Clients tab.</source>
        <translation>Eine XRechnung braucht den Ort des Kunden: Geben Sie ihn auf der Registerkarte Kunden ein.</translation>
    </message>
    <message>
        <source>An XRechnung needs the client&apos;s post code: enter it on the Clients tab.</source>
        <translation>Eine XRechnung braucht die Postleitzahl des Kunden: Geben Sie sie auf der Registerkarte Kunden ein.</translation>
    </message>
    <message>
        <source>The e-invoice needs the invoice&apos;s number.</source>
        <translation>Die E-Rechnung braucht die Rechnungsnummer.</translation>
    </message>
    <message>
        <source>The e-invoice needs the invoice&apos;s date.</source>
        <translation>Die E-Rechnung braucht das Rechnungsdatum.</translation>
    </message>
    <message>
        <source>The e-invoice needs the currency&apos;s code (ISO 4217, such as GBP or EUR), which the system&apos;s locale does not give.</source>
        <translation>Die E-Rechnung braucht den Währungscode (ISO 4217, etwa EUR oder GBP), den das Gebietsschema des Systems nicht liefert.</translation>
    </message>
    <message>
        <source>The e-invoice needs the invoice&apos;s content: edit the invoice to enter it.</source>
        <translation>Die E-Rechnung braucht den Inhalt der Rechnung: Bearbeiten Sie die Rechnung, um ihn einzugeben.</translation>
    </message>
    <message>
        <source>The e-invoice needs a due date: enter the days allowed for payment under Trading details.</source>
        <translation>Die E-Rechnung braucht ein Fälligkeitsdatum: Geben Sie das Zahlungsziel in Tagen unter Firmendaten ein.</translation>
    </message>
</context>
<context>
    <name>EnvelopePrinter</name>
    <message>
        <source>The printer does not take DL envelopes.</source>
        <translation>Der Drucker nimmt keine DL-Umschläge.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Der Drucker konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The envelope could not be sent to the printer.</source>
        <translation>Der Umschlag konnte nicht an den Drucker gesendet werden.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not installed.</source>
        <translation>Der Drucker „%1“ ist nicht installiert.</translation>
    </message>
</context>
<context>
    <name>EnvelopeSettings</name>
    <message>
        <source>Printer Error</source>
        <translation>Druckerfehler</translation>
    </message>
    <message>
        <source>Envelope Settings</source>
        <translation>Umschlageinstellungen</translation>
    </message>
    <message>
        <source>Print Envelope</source>
        <translation>Umschlag drucken</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Printer Tray</source>
        <translation>Druckerschacht</translation>
    </message>
    <message>
        <source>There was an error</source>
        <translation>Es ist ein Fehler aufgetreten</translation>
    </message>
    <message>
        <source>No Client Selected</source>
        <translation>Kein Kunde ausgewählt</translation>
    </message>
    <message>
        <source>Print Envelope ?</source>
        <translation>Umschlag drucken?</translation>
    </message>
    <message>
        <source>Select Printer And Tray</source>
        <translation>Drucker und Schacht wählen</translation>
    </message>
    <message>
        <source>
No tray of %1 is chosen.</source>
        <translation>
Kein Schacht von %1 ist gewählt.</translation>
    </message>
    <message>
        <source>
The client is no longer in the address book.</source>
        <translation>
Der Kunde steht nicht mehr im Adressbuch.</translation>
    </message>
    <message>
        <source>Envelope - %1</source>
        <translation>Umschlag - %1</translation>
    </message>
    <message>
        <source>Select Printer</source>
        <translation>Drucker wählen</translation>
    </message>
    <message>
        <source>Select Printer Tray</source>
        <translation>Druckerschacht wählen</translation>
    </message>
</context>
<context>
    <name>EnvelopeTrays</name>
    <message>
        <source>The print system does not know this printer.</source>
        <translation>Das Drucksystem kennt diesen Drucker nicht.</translation>
    </message>
    <message>
        <source> (default)</source>
        <translation> (Standard)</translation>
    </message>
</context>
<context>
    <name>ExpensesTab</name>
    <message>
        <source>This Will Delete %1 proceed ?</source>
        <translation>%1 wird gelöscht. Fortfahren?</translation>
    </message>
    <message>
        <source>The number of an expense cannot be changed.</source>
        <translation>Die Nummer einer Ausgabe kann nicht geändert werden.</translation>
    </message>
    <message>
        <source>This expense has been deleted meanwhile, so the change could not be saved.</source>
        <translation>Diese Ausgabe wurde inzwischen gelöscht, daher konnte die Änderung nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Edit the cell</source>
        <translation>Zelle bearbeiten</translation>
    </message>
    <message>
        <source>Add Expense</source>
        <translation>Neue Ausgabe</translation>
    </message>
    <message>
        <source>Read e-invoice...</source>
        <translation>E-Rechnung lesen...</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>View Details</source>
        <translation>Details anzeigen</translation>
    </message>
    <message>
        <source>Exit Menu</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The expenses could not be read</source>
        <translation>Die Ausgaben konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>The change could not be saved</source>
        <translation>Die Änderung konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>An expense must have a date, so it keeps the one it had.</source>
        <translation>Eine Ausgabe muss ein Datum haben, daher behält sie ihr bisheriges.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date, so the expense keeps the one it had. Type a date such as %2.</source>
        <translation>„%1“ ist kein Datum, daher behält die Ausgabe ihr bisheriges. Geben Sie ein Datum wie %2 ein.</translation>
    </message>
    <message>
        <source>value</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>MwSt.</translation>
    </message>
    <message>
        <source>An expense must have a value, so it keeps the one it had.</source>
        <translation>Eine Ausgabe muss einen Betrag haben, daher behält sie ihren bisherigen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount of money, so the expense keeps its %2. Type a number such as 12.50, with or without %3.</source>
        <translation>„%1“ ist kein Geldbetrag, daher bleibt das Feld „%2“ der Ausgabe unverändert. Geben Sie eine Zahl wie 12,50 ein, mit oder ohne %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of miles, so the expense keeps its mileage. Type a number such as 12.5.</source>
        <translation>„%1“ ist keine Kilometerzahl, daher behält die Ausgabe ihre Kilometer. Geben Sie eine Zahl wie 12,5 ein.</translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation>Löschen?</translation>
    </message>
    <message>
        <source>The expense could not be deleted</source>
        <translation>Die Ausgabe konnte nicht gelöscht werden</translation>
    </message>
</context>
<context>
    <name>ExportButtons</name>
    <message>
        <source>Exporting %1 rows...</source>
        <translation>%1 Zeilen werden exportiert...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Open in a spreadsheet</source>
        <translation>In Tabellenkalkulation öffnen</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>CSV speichern</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The list is empty, so there is nothing to export.</source>
        <translation>Die Liste ist leer, es gibt nichts zu exportieren.</translation>
    </message>
    <message>
        <source>file Saved </source>
        <translation>Datei gespeichert </translation>
    </message>
    <message>
        <source>Error saving file.
</source>
        <translation>Fehler beim Speichern der Datei.
</translation>
    </message>
    <message>
        <source>Do You Want To Open This Data In Excel ?</source>
        <translation>Möchten Sie diese Daten in Excel öffnen?</translation>
    </message>
    <message>
        <source>The spreadsheet could not be saved.
</source>
        <translation>Die Tabelle konnte nicht gespeichert werden.
</translation>
    </message>
    <message>
        <source>The list could not be read in full, so nothing was exported.
</source>
        <translation>Die Liste konnte nicht vollständig gelesen werden, daher wurde nichts exportiert.
</translation>
    </message>
    <message>
        <source>No spreadsheet program could be started to show the data.
It has been saved as %1</source>
        <translation>Es konnte kein Tabellenkalkulationsprogramm gestartet werden, um die Daten zu zeigen.
Sie wurden als %1 gespeichert</translation>
    </message>
</context>
<context>
    <name>FacturX</name>
    <message>
        <source>This PDF carries no e-invoice (no factur-x.xml or other XML attached).</source>
        <translation>Diese PDF enthält keine E-Rechnung (keine factur-x.xml oder andere XML-Datei angehängt).</translation>
    </message>
    <message>
        <source>This PDF carries several XML attachments and none is named as an e-invoice (factur-x.xml).</source>
        <translation>Diese PDF enthält mehrere XML-Anhänge, und keiner ist als E-Rechnung (factur-x.xml) benannt.</translation>
    </message>
    <message>
        <source>The e-invoice attached to this PDF is damaged and cannot be read.</source>
        <translation>Die an diese PDF angehängte E-Rechnung ist beschädigt und kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The e-invoice attached to this PDF is larger than %1 MB; it was not read.</source>
        <translation>Die an diese PDF angehängte E-Rechnung ist größer als %1 MB; sie wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>This PDF is larger than %1 MB, more than any e-invoice needs; it was not read.</source>
        <translation>Diese PDF ist größer als %1 MB, mehr als eine E-Rechnung je braucht; sie wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>This file is not a PDF.</source>
        <translation>Diese Datei ist keine PDF.</translation>
    </message>
    <message>
        <source>This PDF is protected by a password and cannot be read.</source>
        <translation>Diese PDF ist durch ein Passwort geschützt und kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>This PDF is damaged and cannot be read.</source>
        <translation>Diese PDF ist beschädigt und kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The colour profile that PDF/A invoices need cannot be read: %1 (Debian package icc-profiles-free).</source>
        <translation>Das Farbprofil, das PDF/A-Rechnungen brauchen, kann nicht gelesen werden: %1 (Debian-Paket icc-profiles-free).</translation>
    </message>
    <message>
        <source>The Factur-X PDF cannot be made: it has no invoice data or no date.</source>
        <translation>Die Factur-X-PDF kann nicht erstellt werden: sie hat keine Rechnungsdaten oder kein Datum.</translation>
    </message>
    <message>
        <source>The Factur-X PDF cannot be made: %1</source>
        <translation>Die Factur-X-PDF kann nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>The Factur-X PDF cannot be made.</source>
        <translation>Die Factur-X-PDF kann nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>GridData</name>
    <message>
        <source>True</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>The list&apos;s statement does not match its columns.</source>
        <translation>Die Abfrage der Liste passt nicht zu ihren Spalten.</translation>
    </message>
    <message>
        <source>There Are Too Many Records To Display
Please Use Selection Criteria</source>
        <translation>Es gibt zu viele Datensätze zum Anzeigen
Bitte schränken Sie die Auswahl ein</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Summen</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>The rows read do not match the list&apos;s keys.</source>
        <translation>Die gelesenen Zeilen passen nicht zu den Schlüsseln der Liste.</translation>
    </message>
</context>
<context>
    <name>GridExport</name>
    <message>
        <source>The spreadsheet could not be made: %1</source>
        <translation>Die Tabelle konnte nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>The spreadsheet could not be started.</source>
        <translation>Die Tabellenkalkulation konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>There is no folder of your own to save it in.</source>
        <translation>Es gibt keinen eigenen Ordner, um sie zu speichern.</translation>
    </message>
    <message>
        <source>The folder %1 %2</source>
        <translation>Der Ordner %1 %2</translation>
    </message>
    <message>
        <source>could not be made.</source>
        <translation>konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>could not be made: %1</source>
        <translation>konnte nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>is a symbolic link, so it is not used.</source>
        <translation>ist eine symbolische Verknüpfung und wird daher nicht verwendet.</translation>
    </message>
    <message>
        <source>is not a folder.</source>
        <translation>ist kein Ordner.</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>belongs to another user, so it is not used.</source>
        <translation>gehört einem anderen Benutzer und wird daher nicht verwendet.</translation>
    </message>
    <message>
        <source>cannot be made private: %1</source>
        <translation>kann nicht auf Sie allein beschränkt werden: %1</translation>
    </message>
    <message>
        <source>No temporary folder could be made for the spreadsheet: %1</source>
        <translation>Für die Tabelle konnte kein temporärer Ordner erstellt werden: %1</translation>
    </message>
    <message>
        <source>The spreadsheet made could not be read back: %1</source>
        <translation>Die erstellte Tabelle konnte nicht zurückgelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>GridHeading</name>
    <message>
        <source>AppointId</source>
        <translation>Termin-Nr.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>InvoiceID</source>
        <translation>Rechnungs-ID</translation>
    </message>
    <message>
        <source>InvoiceNumber</source>
        <translation>Rechnungsnummer</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Netto</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>MwSt.</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <source>DatePaid</source>
        <translation>Bezahlt am</translation>
    </message>
    <message>
        <source>SentOn</source>
        <translation>Versandt am</translation>
    </message>
    <message>
        <source>ReminderLevel</source>
        <translation>Mahnstufe</translation>
    </message>
    <message>
        <source>RemindedOn</source>
        <translation>Gemahnt am</translation>
    </message>
    <message>
        <source>ExpenseID</source>
        <translation>Ausgaben-Nr.</translation>
    </message>
    <message>
        <source>ClientRef</source>
        <translation>Kundenref.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Mileage</source>
        <translation>Kilometer</translation>
    </message>
</context>
<context>
    <name>HelpDocument</name>
    <message>
        <source>it has no %1 column</source>
        <translation>sie hat keine Spalte %1</translation>
    </message>
    <message>
        <source>%1 could not be read: there is no such file.</source>
        <translation>%1 konnte nicht gelesen werden: diese Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is damaged and could be read only in part (%2).</source>
        <translation>%1 ist beschädigt und konnte nur teilweise gelesen werden (%2).</translation>
    </message>
    <message>
        <source>%1 is not a help file: %2.</source>
        <translation>%1 ist keine Hilfedatei: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than the %2 characters a section&apos;s name may have.</source>
        <translation>„%1“ ist länger als die %2 Zeichen, die der Name eines Abschnitts haben darf.</translation>
    </message>
    <message>
        <source>The text has %1 characters; a section holds at most %2.</source>
        <translation>Der Text hat %1 Zeichen; ein Abschnitt fasst höchstens %2.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The help document could not be installed: %1</source>
        <translation>Das Hilfedokument konnte nicht installiert werden: %1</translation>
    </message>
</context>
<context>
    <name>HelpPrint</name>
    <message>
        <source>The help text could not be drawn as a PDF.</source>
        <translation>Der Hilfetext konnte nicht als PDF erstellt werden.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>HelpTree</name>
    <message>
        <source> Count of &apos;%1&apos; Found in %2</source>
        <translation> Treffer für „%1“ in %2</translation>
    </message>
    <message>
        <source>Unfiled</source>
        <translation>Unsortiert</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>done</source>
        <translation>fertig</translation>
    </message>
    <message>
        <source>Search text not found..</source>
        <translation>Suchtext nicht gefunden.</translation>
    </message>
    <message>
        <source>The sections below belong under a section that is no longer in the help, or under each other in a circle. They are kept here so that none is lost.</source>
        <translation>Die folgenden Abschnitte gehören zu einem Abschnitt, der nicht mehr in der Hilfe ist, oder zueinander im Kreis. Sie werden hier aufbewahrt, damit keiner verloren geht.</translation>
    </message>
    <message>
        <source>Print Help</source>
        <translation>Hilfe drucken</translation>
    </message>
    <message>
        <source>Welcome to Billcraft Help<byte value="xd"/>
<byte value="xd"/>
Click the item LEFT you want help on.<byte value="xd"/>
Or use the Search Button above.<byte value="xd"/>
<byte value="xd"/>
Or email support@norvane.example<byte value="xd"/>
for specific help with your problem<byte value="xd"/>
<byte value="xd"/>
Does your business need a website?<byte value="xd"/>
Contact sales@norvane.example or www.norvane.example<byte value="xd"/>
For a cost effective solution</source>
        <translation>Willkommen bei der Billcraft-Hilfe<byte value="xd"/>
<byte value="xd"/>
Klicken Sie LINKS auf das Thema, zu dem Sie Hilfe möchten.<byte value="xd"/>
Oder verwenden Sie oben die Schaltfläche Suchen.<byte value="xd"/>
<byte value="xd"/>
Oder schreiben Sie an support@norvane.example<byte value="xd"/>
für Hilfe zu Ihrem konkreten Problem<byte value="xd"/>
<byte value="xd"/>
Braucht Ihr Unternehmen eine Website?<byte value="xd"/>
Wenden Sie sich an sales@norvane.example oder www.norvane.example<byte value="xd"/>
für eine kostengünstige Lösung</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>PDF speichern...</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Abschnitt</translation>
    </message>
    <message>
        <source>Display Order</source>
        <translation>Reihenfolge</translation>
    </message>
    <message>
        <source>Add Node</source>
        <translation>Neuer Abschnitt</translation>
    </message>
    <message>
        <source>Add Child</source>
        <translation>Unterabschnitt</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Delete Node</source>
        <translation>Abschnitt löschen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Make New Help</source>
        <translation>Neue Hilfe</translation>
    </message>
    <message>
        <source>Help File Missing</source>
        <translation>Hilfedatei fehlt</translation>
    </message>
    <message>
        <source>
The sections before the damage are shown. The file is left as it is until you change the help.</source>
        <translation>
Die Abschnitte vor der beschädigten Stelle werden gezeigt. Die Datei bleibt unverändert, bis Sie die Hilfe ändern.</translation>
    </message>
    <message>
        <source>These help sections are each other&apos;s parents, round in a circle: %1.
They are shown under &quot;Unfiled&quot;.</source>
        <translation>Diese Hilfeabschnitte sind gegenseitig ihre Eltern, im Kreis: %1.
Sie werden unter „Unsortiert“ gezeigt.</translation>
    </message>
    <message>
        <source>Enter the item you want to find</source>
        <translation>Geben Sie den gesuchten Begriff ein</translation>
    </message>
    <message>
        <source>Billcraft Help</source>
        <translation>Hilfe zu Billcraft</translation>
    </message>
    <message>
        <source>Could not find Printer</source>
        <translation>Drucker nicht gefunden</translation>
    </message>
    <message>
        <source>Printer Error</source>
        <translation>Druckerfehler</translation>
    </message>
    <message>
        <source>Save Help as PDF</source>
        <translation>Hilfe als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Billcraft Help: %1</source>
        <translation>Billcraft-Hilfe: %1</translation>
    </message>
    <message>
        <source>Node Exists</source>
        <translation>Abschnitt vorhanden</translation>
    </message>
    <message>
        <source>The section %1 is no longer in the help.</source>
        <translation>Den Abschnitt %1 gibt es in der Hilfe nicht mehr.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add New Field</source>
        <translation>Neuer Abschnitt</translation>
    </message>
    <message>
        <source>Please Select Parent</source>
        <translation>Bitte übergeordneten Abschnitt wählen</translation>
    </message>
    <message>
        <source>Add New Child</source>
        <translation>Neuer Unterabschnitt</translation>
    </message>
    <message>
        <source>Please Choose node to Re-Name </source>
        <translation>Bitte wählen Sie den umzubenennenden Abschnitt </translation>
    </message>
    <message>
        <source>New Name?</source>
        <translation>Neuer Name?</translation>
    </message>
    <message>
        <source>Rename Field%1</source>
        <translation>Abschnitt umbenennen%1</translation>
    </message>
    <message>
        <source>Confirm Delete%1</source>
        <translation>Löschen bestätigen%1</translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation>Löschen?</translation>
    </message>
    <message>
        <source>The display order must be a whole number, such as 10. Nothing was saved.</source>
        <translation>Die Reihenfolge muss eine ganze Zahl sein, etwa 10. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source> Nothing was saved.</source>
        <translation> Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Help File Exists</source>
        <translation>Hilfedatei vorhanden</translation>
    </message>
    <message>
        <source>%1 is damaged: only the sections shown could be read from it.
Writing this change keeps those sections and drops the rest of the file. Write it anyway?</source>
        <translation>%1 ist beschädigt: nur die gezeigten Abschnitte konnten gelesen werden.
Beim Schreiben dieser Änderung bleiben diese Abschnitte erhalten, der Rest der Datei entfällt. Trotzdem schreiben?</translation>
    </message>
</context>
<context>
    <name>IdentityLayoutFile</name>
    <message>
        <source>The layout file ends inside the field %1 (at byte %2 of %3).</source>
        <translation>Die Layoutdatei endet innerhalb des Feldes %1 (bei Byte %2 von %3).</translation>
    </message>
    <message>
        <source>%1 is not a usable layout file. %2</source>
        <translation>%1 ist keine verwendbare Layoutdatei. %2</translation>
    </message>
    <message>
        <source>The layout is not written to %1. %2</source>
        <translation>Das Layout wird nicht in %1 geschrieben. %2</translation>
    </message>
</context>
<context>
    <name>InvoiceEntry</name>
    <message>
        <source> You must add Some content</source>
        <translation> Bitte Inhalt eingeben</translation>
    </message>
    <message>
        <source> You must add a value</source>
        <translation> Bitte Betrag eingeben</translation>
    </message>
    <message>
        <source> Please Select a Client</source>
        <translation> Bitte Kunden wählen</translation>
    </message>
    <message>
        <source>There is an Invoice Number Error</source>
        <translation>Fehler bei der Rechnungsnummer</translation>
    </message>
</context>
<context>
    <name>InvoiceList</name>
    <message>
        <source>The database connection is not an SQLite one.</source>
        <translation>Die Datenbankverbindung ist keine SQLite-Verbindung.</translation>
    </message>
</context>
<context>
    <name>InvoiceListTab</name>
    <message>
        <source>Invoices</source>
        <translation>Rechnungen</translation>
    </message>
    <message>
        <source>Right click to edit invoice or left click to view</source>
        <translation>Rechtsklick zum Bearbeiten, Linksklick zum Anzeigen der Rechnung</translation>
    </message>
    <message>
        <source>Match bank statement...</source>
        <translation>Kontoauszug abgleichen...</translation>
    </message>
    <message>
        <source>View Options</source>
        <translation>Anzeigeoptionen</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Alle zeigen</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <source>UnPaid</source>
        <translation>Unbezahlt</translation>
    </message>
    <message>
        <source>Hide Bad Debts</source>
        <translation>Forderungsausfälle ausblenden</translation>
    </message>
    <message>
        <source>Sent and Reminders</source>
        <translation>Versand und Mahnungen</translation>
    </message>
    <message>
        <source>Company View Options</source>
        <translation>Optionen Firmenansicht</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Mark as UnPaid</source>
        <translation>Als unbezahlt markieren</translation>
    </message>
    <message>
        <source>Mark as Paid</source>
        <translation>Als bezahlt markieren</translation>
    </message>
    <message>
        <source>View Details</source>
        <translation>Details anzeigen</translation>
    </message>
    <message>
        <source>Exclude This Client</source>
        <translation>Diesen Kunden ausblenden</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Mark As Bad Debt</source>
        <translation>Als Forderungsausfall markieren</translation>
    </message>
    <message>
        <source>Send by E-mail...</source>
        <translation>Per E-Mail senden...</translation>
    </message>
    <message>
        <source>Reminder...</source>
        <translation>Mahnung...</translation>
    </message>
    <message>
        <source>Exit Menu</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No Records</source>
        <translation>Keine Daten</translation>
    </message>
    <message>
        <source>This invoice Has been paid!</source>
        <translation>Diese Rechnung wurde bezahlt!</translation>
    </message>
    <message>
        <source>This Will Delete Invoice %1 proceed ?</source>
        <translation>Rechnung %1 wird gelöscht. Fortfahren?</translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation>Löschen?</translation>
    </message>
    <message>
        <source>This Invoice Has been PAID Confirm Delete?</source>
        <translation>Diese Rechnung wurde BEZAHLT. Löschen bestätigen?</translation>
    </message>
    <message>
        <source>Delete Paid?</source>
        <translation>Bezahlte Rechnung löschen?</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The database reported an error:
%1</source>
        <translation>Die Datenbank meldet einen Fehler:
%1</translation>
    </message>
</context>
<context>
    <name>InvoiceMail</name>
    <message>
        <source>Invoice {number} from {trading name}</source>
        <translation>Rechnung {number} von {trading name}</translation>
    </message>
    <message>
        <source>Dear {client},

Please find attached our invoice {number} of {date} for {total}, due for payment by {due date}.

Thank you for your business.

Kind regards,
{trading name}</source>
        <translation>Guten Tag {client},

anbei erhalten Sie unsere Rechnung {number} vom {date} über {total}, zahlbar bis {due date}.

Vielen Dank für Ihren Auftrag.

Mit freundlichen Grüßen
{trading name}</translation>
    </message>
    <message>
        <source>There is no identity %1.</source>
        <translation>Es gibt keinen Mandanten %1.</translation>
    </message>
    <message>
        <source>Invoice %1.pdf</source>
        <translation>Rechnung %1.pdf</translation>
    </message>
    <message>
        <source>Nothing was sent. Enter what is missing, or send a plain PDF by clearing &quot;Attach e-invoice (Factur-X)&quot; in the e-mail settings.</source>
        <translation>Es wurde nichts gesendet. Ergänzen Sie die fehlenden Angaben oder senden Sie eine einfache PDF, indem Sie „E-Rechnung anhängen (Factur-X)“ in den E-Mail-Einstellungen abwählen.</translation>
    </message>
    <message>
        <source>the invoice number</source>
        <translation>die Rechnungsnummer</translation>
    </message>
    <message>
        <source>the invoice&apos;s date</source>
        <translation>das Rechnungsdatum</translation>
    </message>
    <message>
        <source>the invoice&apos;s total</source>
        <translation>den Rechnungsbetrag</translation>
    </message>
    <message>
        <source>the day payment is due</source>
        <translation>das Fälligkeitsdatum</translation>
    </message>
    <message>
        <source>the client&apos;s company, or name</source>
        <translation>die Firma oder den Namen des Kunden</translation>
    </message>
    <message>
        <source>your trading name</source>
        <translation>Ihren Firmennamen</translation>
    </message>
    <message>
        <source>The client&apos;s e-mail address &quot;%1&quot; is not one address such as name@example.com: correct it on the Clients tab.</source>
        <translation>Die E-Mail-Adresse „%1“ des Kunden ist keine einzelne Adresse wie name@example.com: Korrigieren Sie sie auf der Registerkarte Kunden.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The invoice no longer exists.</source>
        <translation>Die Rechnung existiert nicht mehr.</translation>
    </message>
</context>
<context>
    <name>InvoiceMailing</name>
    <message>
        <source>The message is open in your mail program, but the day it was sent could not be recorded.</source>
        <translation>Die Nachricht ist in Ihrem E-Mail-Programm geöffnet, aber das Versanddatum konnte nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>InvoicePage</name>
    <message>
        <source>The logo %1 is missing or is not a picture that can be read, so the text logo is printed instead.</source>
        <translation>Das Logo %1 fehlt oder ist kein lesbares Bild, daher wird stattdessen das Textlogo gedruckt.</translation>
    </message>
    <message>
        <source>%1
The text logo is printed instead.</source>
        <translation>%1
Stattdessen wird das Textlogo gedruckt.</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Rechnung</translation>
    </message>
    <message>
        <source>The PDF document cannot be started.</source>
        <translation>Das PDF-Dokument kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The PDF document cannot be finished.</source>
        <translation>Das PDF-Dokument kann nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>The invoice cannot be read: %1</source>
        <translation>Die Rechnung kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The client of invoice %1 has been deleted, so the invoice cannot be shown.</source>
        <translation>Der Kunde der Rechnung %1 wurde gelöscht, daher kann die Rechnung nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>This invoice no longer exists: it may have been deleted.</source>
        <translation>Diese Rechnung existiert nicht mehr: sie wurde möglicherweise gelöscht.</translation>
    </message>
    <message>
        <source>Identity %1 has no invoice numbered %2.</source>
        <translation>Mandant %1 hat keine Rechnung mit der Nummer %2.</translation>
    </message>
</context>
<context>
    <name>InvoicePdfJob</name>
    <message>
        <source>There is no Billcraft database (%1) in %2.</source>
        <translation>In %2 gibt es keine Billcraft-Datenbank (%1).</translation>
    </message>
    <message>
        <source>There is no identity %1.</source>
        <translation>Es gibt keinen Mandanten %1.</translation>
    </message>
</context>
<context>
    <name>InvoicePreview</name>
    <message>
        <source>Printer Error</source>
        <translation>Druckerfehler</translation>
    </message>
    <message>
        <source>Print Invoice</source>
        <translation>Rechnung drucken</translation>
    </message>
    <message>
        <source>Invoice page</source>
        <translation>Rechnungsseite</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Print the invoice (Ctrl+P)</source>
        <translation>Rechnung drucken (Strg+P)</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>PDF speichern...</translation>
    </message>
    <message>
        <source>Save the invoice as a PDF file (Ctrl+S)</source>
        <translation>Rechnung als PDF-Datei speichern (Strg+S)</translation>
    </message>
    <message>
        <source>Save as e-invoice...</source>
        <translation>E-Rechnung speichern...</translation>
    </message>
    <message>
        <source>Save the invoice as an e-invoice: Factur-X, XRechnung or UBL</source>
        <translation>Rechnung als E-Rechnung speichern: Factur-X, XRechnung oder UBL</translation>
    </message>
    <message>
        <source>Send by E-mail...</source>
        <translation>Per E-Mail senden...</translation>
    </message>
    <message>
        <source>Send the invoice to the client with your mail program</source>
        <translation>Rechnung mit Ihrem E-Mail-Programm an den Kunden senden</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Strg+-</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Strg++</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>
The invoice is shown with the default layout.</source>
        <translation>
Die Rechnung wird mit dem Standardlayout angezeigt.</translation>
    </message>
    <message>
        <source>Save Invoice as PDF</source>
        <translation>Rechnung als PDF speichern</translation>
    </message>
    <message>
        <source>Invoice %1.pdf</source>
        <translation>Rechnung %1.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Save Invoice as E-invoice</source>
        <translation>Rechnung als E-Rechnung speichern</translation>
    </message>
    <message>
        <source>Invoice %1</source>
        <translation>Rechnung %1</translation>
    </message>
</context>
<context>
    <name>InvoiceStore</name>
    <message>
        <source>The starting number %1 is not a number.</source>
        <translation>Die Startnummer %1 ist keine Zahl.</translation>
    </message>
</context>
<context>
    <name>InvoiceTerms</name>
    <message>
        <source>The identity&apos;s VAT rate %1 cannot be used.</source>
        <translation>Der MwSt.-Satz %1 des Mandanten kann nicht verwendet werden.</translation>
    </message>
</context>
<context>
    <name>JetConversion</name>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
    <message>
        <source>Reading the old database...</source>
        <translation>Die alte Datenbank wird gelesen...</translation>
    </message>
    <message>
        <source>This data folder holds a database from the earlier Windows program. Convert it to Billcraft&apos;s format? The original is kept as Accounts.jet.mdb.</source>
        <translation>Dieser Datenordner enthält eine Datenbank des früheren Windows-Programms. In das Format von Billcraft konvertieren? Das Original bleibt als Accounts.jet.mdb erhalten.</translation>
    </message>
    <message>
        <source>The database could not be converted, and the data folder has been left as it was.
</source>
        <translation>Die Datenbank konnte nicht konvertiert werden; der Datenordner ist unverändert.
</translation>
    </message>
</context>
<context>
    <name>JetFile</name>
    <message>
        <source>reading it took more than %1 seconds</source>
        <translation>das Lesen dauerte länger als %1 Sekunden</translation>
    </message>
    <message>
        <source>it yields more than %1 MB</source>
        <translation>es ergibt mehr als %1 MB</translation>
    </message>
    <message>
        <source>its reading was cancelled</source>
        <translation>das Lesen wurde abgebrochen</translation>
    </message>
    <message>
        <source>%1 cannot be read: the Jet reader %2 cannot be started (%3).</source>
        <translation>%1 kann nicht gelesen werden: der Jet-Leser %2 kann nicht gestartet werden (%3).</translation>
    </message>
    <message>
        <source>its reading was stopped at the limit of time or memory, or failed</source>
        <translation>das Lesen wurde an der Zeit- oder Speichergrenze angehalten oder ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>its reading failed</source>
        <translation>das Lesen ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 cannot be read; the file is damaged (%2).</source>
        <translation>%1 kann nicht gelesen werden; die Datei ist beschädigt (%2).</translation>
    </message>
    <message>
        <source>%1: the table %2 cannot be read; the file is damaged (%3).</source>
        <translation>%1: die Tabelle %2 kann nicht gelesen werden; die Datei ist beschädigt (%3).</translation>
    </message>
</context>
<context>
    <name>JetImport</name>
    <message>
        <source>is no %1</source>
        <translation>ist nicht vom Typ %1</translation>
    </message>
    <message>
        <source>whole number</source>
        <translation>Ganzzahl</translation>
    </message>
    <message>
        <source>number</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>amount of money</source>
        <translation>Geldbetrag</translation>
    </message>
    <message>
        <source>date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Yes/No value</source>
        <translation>Ja/Nein-Wert</translation>
    </message>
    <message>
        <source>row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>, Total %1, VAT %2</source>
        <translation>, Gesamt %1, MwSt. %2</translation>
    </message>
    <message>
        <source> (no %1)</source>
        <translation> (ohne %1)</translation>
    </message>
    <message>
        <source>it lacks the %1 %2, so it is not the database of the earlier Windows program.</source>
        <translation>ihr fehlt: %1 %2, daher ist sie nicht die Datenbank des früheren Windows-Programms.</translation>
    </message>
    <message>
        <source>table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>tables</source>
        <translation>Tabellen</translation>
    </message>
    <message>
        <source>the table %1 has no column %2.</source>
        <translation>die Tabelle %1 hat keine Spalte %2.</translation>
    </message>
    <message>
        <source>%1, row %2: the column %3 %4.</source>
        <translation>%1, Zeile %2: die Spalte %3 %4.</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>ist leer</translation>
    </message>
    <message>
        <source>%1, row %2 could not be written: %3</source>
        <translation>%1, Zeile %2 konnte nicht geschrieben werden: %3</translation>
    </message>
    <message>
        <source>%1: the file records %2 rows, but %3 could be read; the file is damaged or incomplete.</source>
        <translation>%1: die Datei verzeichnet %2 Zeilen, aber %3 konnten gelesen werden; die Datei ist beschädigt oder unvollständig.</translation>
    </message>
    <message>
        <source>%1: the new database holds %2 rows instead of %3. %4</source>
        <translation>%1: die neue Datenbank enthält %2 statt %3 Zeilen. %4</translation>
    </message>
    <message>
        <source>TblInvoices: the invoices&apos; Total or VAT add up to more than an amount can hold.</source>
        <translation>TblInvoices: Gesamt oder MwSt. der Rechnungen ergeben zusammen mehr, als ein Betrag fassen kann.</translation>
    </message>
    <message>
        <source>TblInvoices: the sums of Total and VAT in the new database differ from the file&apos;s. %1</source>
        <translation>TblInvoices: die Summen von Gesamt und MwSt. in der neuen Datenbank weichen von denen der Datei ab. %1</translation>
    </message>
    <message>
        <source>the new database cannot be written: %1</source>
        <translation>die neue Datenbank kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The new database cannot be written in %1: there is no space left on the disk.</source>
        <translation>Die neue Datenbank kann nicht in %1 geschrieben werden: auf dem Datenträger ist kein Platz mehr.</translation>
    </message>
    <message>
        <source>A conversion of %1 was interrupted, and %2 cannot be given its name back: %3</source>
        <translation>Eine Konvertierung von %1 wurde unterbrochen, und %2 kann seinen Namen nicht zurückerhalten: %3</translation>
    </message>
    <message>
        <source>A conversion of %1 was interrupted, and %2 cannot be removed: %3</source>
        <translation>Eine Konvertierung von %1 wurde unterbrochen, und %2 kann nicht entfernt werden: %3</translation>
    </message>
    <message>
        <source>%1, left by an interrupted conversion, cannot be removed: %2</source>
        <translation>%1, von einer unterbrochenen Konvertierung übrig, kann nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be kept as %2: %3</source>
        <translation>%1 kann nicht als %2 aufbewahrt werden: %3</translation>
    </message>
    <message>
        <source>%1 already holds a database (%2). Billcraft converts only into a data folder without one.</source>
        <translation>%1 enthält bereits eine Datenbank (%2). Billcraft konvertiert nur in einen Datenordner ohne Datenbank.</translation>
    </message>
    <message>
        <source>%1 already holds %2, the original of an earlier conversion. Move it elsewhere first.</source>
        <translation>%1 enthält bereits %2, das Original einer früheren Konvertierung. Verschieben Sie es zuerst an einen anderen Ort.</translation>
    </message>
    <message>
        <source>The new database could not be completed in %1.</source>
        <translation>Die neue Datenbank konnte in %1 nicht fertiggestellt werden.</translation>
    </message>
    <message>
        <source>The new database cannot be saved in %1: %2</source>
        <translation>Die neue Datenbank kann nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The new database cannot be moved into place as %1: %2</source>
        <translation>Die neue Datenbank kann nicht als %1 an ihren Platz verschoben werden: %2</translation>
    </message>
    <message>
        <source>Another Billcraft is converting the books in %1.</source>
        <translation>Ein anderes Billcraft konvertiert gerade die Buchhaltung in %1.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be written to.</source>
        <translation>In den Datenordner %1 kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>KeyRules</name>
    <message>
        <source>There is an error with your date</source>
        <translation>Ihr Datum ist fehlerhaft</translation>
    </message>
</context>
<context>
    <name>LanguageBox</name>
    <message>
        <source>Billcraft will show its texts in this language from its next start.</source>
        <translation>Billcraft zeigt seine Texte ab dem nächsten Start in dieser Sprache.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Desktop language</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>The choice could not be kept for the next start: %1</source>
        <translation>Die Auswahl konnte nicht für den nächsten Start gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>LayoutDesigner</name>
    <message>
        <source>Invoice Layout</source>
        <translation>Rechnungslayout</translation>
    </message>
    <message>
        <source>Header Layout</source>
        <translation>Kopfbereich</translation>
    </message>
    <message>
        <source>Show Divider Line</source>
        <translation>Trennlinie zeigen</translation>
    </message>
    <message>
        <source>Address As Line</source>
        <translation>Adresse als Zeile</translation>
    </message>
    <message>
        <source>Use Logo</source>
        <translation>Mit Logo</translation>
    </message>
    <message>
        <source>Body Layout</source>
        <translation>Hauptbereich</translation>
    </message>
    <message>
        <source>Footer Layout</source>
        <translation>Fußbereich</translation>
    </message>
    <message>
        <source>VAT Registered</source>
        <translation>MwSt.-pflichtig</translation>
    </message>
    <message>
        <source>VAT Rate</source>
        <translation>MwSt.-Satz</translation>
    </message>
    <message>
        <source>Align Lefts</source>
        <translation>Linksbündig</translation>
    </message>
    <message>
        <source>Align Rights</source>
        <translation>Rechtsbündig</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Tip: Left Click to Drag</source>
        <translation>Tipp: Linksklick zum Ziehen</translation>
    </message>
    <message>
        <source>Tip: Right Click to edit Label text</source>
        <translation>Tipp: Rechtsklick zum Bearbeiten des Beschriftungstexts</translation>
    </message>
    <message>
        <source>Tip: Shift + Right Click to Use Auto Align</source>
        <translation>Tipp: Umschalt + Rechtsklick für automatische Ausrichtung</translation>
    </message>
    <message>
        <source>Cords</source>
        <translation>Koord.</translation>
    </message>
    <message>
        <source>Grab Top</source>
        <translation>Start oben</translation>
    </message>
    <message>
        <source>Grab Left</source>
        <translation>Start links</translation>
    </message>
    <message>
        <source>Drop Top</source>
        <translation>Ziel oben</translation>
    </message>
    <message>
        <source>Drop Left</source>
        <translation>Ziel links</translation>
    </message>
    <message>
        <source>
The designer shows the initial arrangement; the file is left as it is until you save.</source>
        <translation>
Der Designer zeigt die Ausgangsanordnung; die Datei bleibt unverändert, bis Sie speichern.</translation>
    </message>
    <message>
        <source>Cant find logo</source>
        <translation>Logo fehlt</translation>
    </message>
    <message>
        <source>The logo %1 is not a picture that can be read.</source>
        <translation>Das Logo %1 ist kein lesbares Bild.</translation>
    </message>
    <message>
        <source>The VAT Rate must be a percentage from %1 to %2.</source>
        <translation>Der MwSt.-Satz muss ein Prozentsatz von %1 bis %2 sein.</translation>
    </message>
    <message>
        <source>Save Changes?</source>
        <translation>Änderungen speichern?</translation>
    </message>
    <message>
        <source>Invoice Content</source>
        <translation>Rechnungsinhalt</translation>
    </message>
    <message>
        <source>Mr</source>
        <translation>Herr</translation>
    </message>
    <message>
        <source>John</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Smith</source>
        <translation>Müller</translation>
    </message>
    <message>
        <source>Client Company Ltd</source>
        <translation>Kundenfirma GmbH</translation>
    </message>
    <message>
        <source>1 High Street</source>
        <translation>Hauptstraße 1</translation>
    </message>
    <message>
        <source>Anytown</source>
        <translation>Musterstadt</translation>
    </message>
    <message>
        <source>AB1 2CD</source>
        <translation>12345</translation>
    </message>
    <message>
        <source>One of your lables required moving </source>
        <translation>Eine Ihrer Beschriftungen musste verschoben werden </translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Bild laden</translation>
    </message>
    <message>
        <source>All image files (*.bmp *.jpg *.jpeg *.pcx *.gif *.png *.BMP *.JPG *.JPEG *.PCX *.GIF *.PNG)</source>
        <translation>Alle Bilddateien (*.bmp *.jpg *.jpeg *.pcx *.gif *.png *.BMP *.JPG *.JPEG *.PCX *.GIF *.PNG)</translation>
    </message>
    <message>
        <source>BMP files (*.bmp *.BMP)</source>
        <translation>BMP-Dateien (*.bmp *.BMP)</translation>
    </message>
    <message>
        <source>JPEG files (*.jpg *.jpeg *.JPG *.JPEG)</source>
        <translation>JPEG-Dateien (*.jpg *.jpeg *.JPG *.JPEG)</translation>
    </message>
    <message>
        <source>GIF files (*.gif *.GIF)</source>
        <translation>GIF-Dateien (*.gif *.GIF)</translation>
    </message>
    <message>
        <source>PCX files (*.pcx *.PCX)</source>
        <translation>PCX-Dateien (*.pcx *.PCX)</translation>
    </message>
    <message>
        <source>PNG files (*.png *.PNG)</source>
        <translation>PNG-Dateien (*.png *.PNG)</translation>
    </message>
    <message>
        <source>%1 is not a picture that can be used as a logo.</source>
        <translation>%1 ist kein Bild, das als Logo verwendet werden kann.</translation>
    </message>
    <message>
        <source>The logo could not be copied into the books.
%1</source>
        <translation>Das Logo konnte nicht in die Buchhaltung kopiert werden.
%1</translation>
    </message>
    <message>
        <source>This date box automatically puts the date in
No text changes will be saved
Although Colours and Fonts will be</source>
        <translation>Dieses Datumsfeld setzt das Datum automatisch ein
Textänderungen werden nicht gespeichert
Farben und Schriftarten jedoch schon</translation>
    </message>
</context>
<context>
    <name>LayoutFiles</name>
    <message>
        <source>The settings of identity %1 cannot be read: %2</source>
        <translation>Die Einstellungen des Mandanten %1 können nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Identity %1 is not in the database.</source>
        <translation>Mandant %1 ist nicht in der Datenbank.</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>%1 cannot be converted: %2</source>
        <translation>%1 kann nicht konvertiert werden: %2</translation>
    </message>
    <message>
        <source>%1 has no Identity column, so its rows belong to no identity.</source>
        <translation>%1 hat keine Spalte Identity, daher gehören ihre Zeilen zu keinem Mandanten.</translation>
    </message>
    <message>
        <source>%1 has a damaged layout for identity %2. %3</source>
        <translation>%1 hat ein beschädigtes Layout für Mandant %2. %3</translation>
    </message>
    <message>
        <source>Identity %1 starts with the default layout; %2 is left as it is.</source>
        <translation>Mandant %1 beginnt mit dem Standardlayout; %2 bleibt unverändert.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Identity %1 has no layout file and no row in %2, so its VAT default cannot be saved.</source>
        <translation>Mandant %1 hat weder eine Layoutdatei noch eine Zeile in %2, daher kann seine MwSt.-Voreinstellung nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>LayoutPreview</name>
    <message>
        <source>Invoice page</source>
        <translation>Rechnungsseite</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Rechnung</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>LayoutRecord</name>
    <message>
        <source>Its %1 is %2, and a VAT rate is a percentage from %3 to %4.</source>
        <translation>%1 hat den Wert %2, ein MwSt.-Satz ist aber ein Prozentsatz von %3 bis %4.</translation>
    </message>
    <message>
        <source>Its %1 is %2, and a font size is 0 (not set) or from %3 to %4 points.</source>
        <translation>%1 hat den Wert %2, eine Schriftgröße ist aber 0 (nicht gesetzt) oder %3 bis %4 Punkt.</translation>
    </message>
    <message>
        <source>Sub Total</source>
        <translation>Netto</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>MwSt.</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Rechnung</translation>
    </message>
</context>
<context>
    <name>LongWork</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>MailLauncher</name>
    <message>
        <source>No mail program could be started (%1: %2).</source>
        <translation>Es konnte kein E-Mail-Programm gestartet werden (%1: %2).</translation>
    </message>
    <message>
        <source>This computer has no mail program set up.</source>
        <translation>Auf diesem Computer ist kein E-Mail-Programm eingerichtet.</translation>
    </message>
    <message>
        <source>The mail program did not take the message (%1 ended with code %2).</source>
        <translation>Das E-Mail-Programm hat die Nachricht nicht angenommen (%1 endete mit Code %2).</translation>
    </message>
    <message>
        <source>The folder %1 cannot be shown.</source>
        <translation>Der Ordner %1 kann nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>The address &quot;%1&quot; cannot be given to a mail program.</source>
        <translation>Die Adresse „%1“ kann keinem E-Mail-Programm übergeben werden.</translation>
    </message>
</context>
<context>
    <name>MailSending</name>
    <message>
        <source>%1

The file is saved as %2, so that you can attach it to a message yourself.</source>
        <translation>%1

Die Datei ist als %2 gespeichert, damit Sie sie selbst an eine Nachricht anhängen können.</translation>
    </message>
</context>
<context>
    <name>MailSettingsDialog</name>
    <message>
        <source>Fields you can use in the subject and message:</source>
        <translation>Felder, die Sie in Betreff und Nachricht verwenden können:</translation>
    </message>
    <message>
        <source>E-mail settings</source>
        <translation>E-Mail-Einstellungen</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Betreff</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Attach e-invoice (Factur-X)</source>
        <translation>E-Rechnung anhängen (Factur-X)</translation>
    </message>
    <message>
        <source>Default wording</source>
        <translation>Standardtext</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The e-mail settings could not be saved.</source>
        <translation>Die E-Mail-Einstellungen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The e-mail settings could not be read.</source>
        <translation>Die E-Mail-Einstellungen konnten nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Keep the database and layout files in &lt;dir&gt; instead of %1.</source>
        <translation>Datenbank und Layoutdateien in &lt;dir&gt; statt in %1 aufbewahren.</translation>
    </message>
    <message>
        <source>Write the invoice numbered &lt;number&gt; as PDF to the --out file and exit, without opening a window.</source>
        <translation>Die Rechnung mit der Nummer &lt;number&gt; als PDF in die Datei --out schreiben und beenden, ohne ein Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>Write the invoice numbered &lt;number&gt; as an e-invoice in the --format given to the --out file and exit, without opening a window.</source>
        <translation>Die Rechnung mit der Nummer &lt;number&gt; als E-Rechnung im angegebenen --format in die Datei --out schreiben und beenden, ohne ein Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>The e-invoice format --einvoice writes: facturx (a PDF with its XML), xrechnung or ubl.</source>
        <translation>Das E-Rechnungsformat, das --einvoice schreibt: facturx (eine PDF mit ihrem XML), xrechnung oder ubl.</translation>
    </message>
    <message>
        <source>The file --invoice-pdf or --einvoice writes.</source>
        <translation>Die Datei, die --invoice-pdf oder --einvoice schreibt.</translation>
    </message>
    <message>
        <source>The trading identity whose invoice --invoice-pdf or --einvoice writes, or whose unpaid invoices --match-statement matches (default: the lowest-numbered one).</source>
        <translation>Der Mandant, dessen Rechnung --invoice-pdf oder --einvoice schreibt oder dessen unbezahlte Rechnungen --match-statement abgleicht (Standard: der mit der niedrigsten Nummer).</translation>
    </message>
    <message>
        <source>Convert &lt;file&gt;, the Accounts.mdb of the earlier Windows program, into the data folder&apos;s Accounts.mdb and exit, without opening a window. When &lt;file&gt; is the folder&apos;s own Accounts.mdb, it is kept as Accounts.jet.mdb.</source>
        <translation>&lt;file&gt;, die Accounts.mdb des früheren Windows-Programms, in die Accounts.mdb des Datenordners konvertieren und beenden, ohne ein Fenster zu öffnen. Ist &lt;file&gt; die eigene Accounts.mdb des Ordners, bleibt sie als Accounts.jet.mdb erhalten.</translation>
    </message>
    <message>
        <source>Write a backup archive of the data folder&apos;s database to &lt;file&gt; (a zip holding Accounts.mdb, as the Back Up button makes) and exit, without opening a window.</source>
        <translation>Ein Sicherungsarchiv der Datenbank des Datenordners in &lt;file&gt; schreiben (ein Zip mit Accounts.mdb, wie es die Schaltfläche Sichern erstellt) und beenden, ohne ein Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>Read the received e-invoice &lt;file&gt; (Factur-X / ZUGFeRD PDF, XRechnung or other CII XML, UBL XML), print its seller, number, date, net, VAT and total, one a line, and exit, without opening a window.</source>
        <translation>Die empfangene E-Rechnung &lt;file&gt; lesen (Factur-X / ZUGFeRD PDF, XRechnung oder anderes CII XML, UBL XML), Verkäufer, Nummer, Datum, Netto, MwSt. und Gesamt je in einer Zeile ausgeben und beenden, ohne ein Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>Use the shared books on the PostgreSQL server at &lt;url&gt; (postgresql://user@host:port/dbname?sslmode=...) instead of the data folder&apos;s database. Billcraft keeps no password: libpq&apos;s ~/.pgpass, service file or environment give it.</source>
        <translation>Die gemeinsame Buchhaltung auf dem PostgreSQL-Server unter &lt;url&gt; (postgresql://user@host:port/dbname?sslmode=...) statt der Datenbank des Datenordners verwenden. Billcraft speichert kein Passwort: libpq liest es aus ~/.pgpass, der Servicedatei oder der Umgebung.</translation>
    </message>
    <message>
        <source>Copy the data folder&apos;s books, with its layouts, logos and help, into the empty server database at &lt;url&gt; and exit, without opening a window.</source>
        <translation>Die Buchhaltung des Datenordners mit Layouts, Logos und Hilfe in die leere Serverdatenbank unter &lt;url&gt; kopieren und beenden, ohne ein Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>Match the credits of the bank statement &lt;file&gt; (camt.053, MT940 or a CSV file of a bank met before) to the identity&apos;s unpaid invoices, print one line per entry (sure, likely, none, debit or done; the invoice numbers or -; the amount; the date; the bank reference) and exit, without opening a window or changing the books.</source>
        <translation>Die Gutschriften des Kontoauszugs &lt;file&gt; (camt.053, MT940 oder eine CSV-Datei einer bereits bekannten Bank) mit den unbezahlten Rechnungen des Mandanten abgleichen, je Eintrag eine Zeile ausgeben (sure, likely, none, debit oder done; die Rechnungsnummern oder -; der Betrag; das Datum; die Bankreferenz) und beenden, ohne ein Fenster zu öffnen oder die Buchhaltung zu ändern.</translation>
    </message>
    <message>
        <source>Invoicing for sole traders and small companies.</source>
        <translation>Rechnungsprogramm für Einzelunternehmer und kleine Firmen.</translation>
    </message>
    <message>
        <source>--database: %1</source>
        <translation>--database: %1</translation>
    </message>
    <message>
        <source>--identity needs a number, not &quot;%1&quot;.</source>
        <translation>--identity braucht eine Zahl, nicht „%1“.</translation>
    </message>
    <message>
        <source>--invoice-pdf needs --out FILE, the PDF to write.</source>
        <translation>--invoice-pdf braucht --out FILE, die zu schreibende PDF.</translation>
    </message>
    <message>
        <source>--einvoice needs --out FILE, the file to write.</source>
        <translation>--einvoice braucht --out FILE, die zu schreibende Datei.</translation>
    </message>
    <message>
        <source>--einvoice needs --format facturx, xrechnung or ubl, not &quot;%1&quot;.</source>
        <translation>--einvoice braucht --format facturx, xrechnung oder ubl, nicht „%1“.</translation>
    </message>
    <message>
        <source>--backup needs FILE, the archive to write, before any other option; &quot;%1&quot; is an option (write ./%1 for a file of that name).</source>
        <translation>--backup braucht FILE, das zu schreibende Archiv, vor jeder anderen Option; „%1“ ist eine Option (schreiben Sie ./%1 für eine Datei dieses Namens).</translation>
    </message>
    <message>
        <source>--copy-to: %1</source>
        <translation>--copy-to: %1</translation>
    </message>
    <message>
        <source>Copied %1 to %2 in %3 s.</source>
        <translation>%1 nach %2 kopiert in %3 s.</translation>
    </message>
    <message>
        <source>Billcraft could not remove these files, left behind when it was stopped while writing them:
%1</source>
        <translation>Billcraft konnte diese Dateien nicht entfernen, die beim Abbruch während des Schreibens zurückgeblieben sind:
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Enter the new identity&apos;s trading details now? Its e-invoices need its legal name, address, VAT number and bank account.</source>
        <translation>Jetzt die Firmendaten des neuen Mandanten eingeben? Seine E-Rechnungen brauchen die Firmierung, die Adresse, die USt-IdNr. und die Bankverbindung.</translation>
    </message>
    <message>
        <source>The trading identities could not be read.
</source>
        <translation>Die Mandanten konnten nicht gelesen werden.
</translation>
    </message>
    <message>
        <source>Billcraft version</source>
        <translation>Billcraft-Version</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Check For Web Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Back Up</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>Neuer Mandant</translation>
    </message>
    <message>
        <source>Switch Users</source>
        <translation>Mandant wechseln</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Trading details...</source>
        <translation>Firmendaten...</translation>
    </message>
    <message>
        <source>E-mail settings...</source>
        <translation>E-Mail-Einstellungen...</translation>
    </message>
    <message>
        <source>Connect to shared books...</source>
        <translation>Mit gemeinsamer Buchhaltung verbinden...</translation>
    </message>
    <message>
        <source>Clients</source>
        <translation>Kunden</translation>
    </message>
    <message>
        <source>Make Invoice</source>
        <translation>Neue Rechnung</translation>
    </message>
    <message>
        <source>Find Invoices</source>
        <translation>Rechnungssuche</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Invoice Layout</source>
        <translation>Rechnungslayout</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>The database could not be given its column for client notes, so notes cannot be kept.
</source>
        <translation>Die Datenbank konnte keine Spalte für Kundennotizen erhalten, daher können keine Notizen gespeichert werden.
</translation>
    </message>
    <message>
        <source>Billcraft version %1 %2</source>
        <translation>Billcraft-Version %1 %2</translation>
    </message>
    <message>
        <source> - shared books %1</source>
        <translation> - gemeinsame Buchhaltung %1</translation>
    </message>
    <message>
        <source>The web address %1 could not be opened.</source>
        <translation>Die Webadresse %1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Quit Program.. proceed ?</source>
        <translation>Programm beenden?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>MakeInvoiceTab</name>
    <message>
        <source>What Starting Invoice Number would You like to use?
Billcraft adds a leading zero to all invoice numbers</source>
        <translation>Mit welcher Rechnungsnummer möchten Sie beginnen?
Billcraft stellt allen Rechnungsnummern eine führende Null voran</translation>
    </message>
    <message>
        <source>Invoice numbers were started in another Billcraft window in the meantime, so your starting number was not used: this invoice is number %1.</source>
        <translation>In einem anderen Billcraft-Fenster wurden inzwischen Rechnungsnummern begonnen, daher wurde Ihre Startnummer nicht verwendet: diese Rechnung hat die Nummer %1.</translation>
    </message>
    <message>
        <source>You have chosen to change the setting for VAT
Do you want this to be the default state for this identity?</source>
        <translation>Sie haben die MwSt.-Einstellung geändert
Soll dies die Voreinstellung für diesen Mandanten sein?</translation>
    </message>
    <message>
        <source>Make Invoice</source>
        <translation>Neue Rechnung</translation>
    </message>
    <message>
        <source>Select Client:</source>
        <translation>Kunde wählen:</translation>
    </message>
    <message>
        <source>ClientID</source>
        <translation>Kunden-Nr.</translation>
    </message>
    <message>
        <source>Invoice Content (description of goods and services)</source>
        <translation>Rechnungsinhalt (Beschreibung der Waren und Leistungen)</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Netto</translation>
    </message>
    <message>
        <source>Add VAT</source>
        <translation>Mit MwSt.</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>MwSt.</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Less 18% CIS</source>
        <translation>abzgl. 18 % CIS</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>%1 hinzufügen</translation>
    </message>
    <message>
        <source>The VAT setting could not be saved as the default.</source>
        <translation>Die MwSt.-Einstellung konnte nicht als Voreinstellung gespeichert werden.</translation>
    </message>
    <message>
        <source>Please Select a Client</source>
        <translation>Bitte Kunden wählen</translation>
    </message>
    <message>
        <source>Invoice Numbers must be Numbers only</source>
        <translation>Rechnungsnummern dürfen nur Ziffern enthalten</translation>
    </message>
    <message>
        <source>The invoice could not be made; nothing was saved.
</source>
        <translation>Die Rechnung konnte nicht erstellt werden; es wurde nichts gespeichert.
</translation>
    </message>
    <message>
        <source>The invoice could not be saved.
</source>
        <translation>Die Rechnung konnte nicht gespeichert werden.
</translation>
    </message>
    <message>
        <source>The invoice could not be loaded for editing.
</source>
        <translation>Die Rechnung konnte nicht zum Bearbeiten geladen werden.
</translation>
    </message>
    <message>
        <source>This invoice no longer exists.</source>
        <translation>Diese Rechnung existiert nicht mehr.</translation>
    </message>
</context>
<context>
    <name>MatchStatementWindow</name>
    <message>
        <source>Sure</source>
        <translation>Sicher</translation>
    </message>
    <message>
        <source>Likely</source>
        <translation>Vermutlich</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Not a payment</source>
        <translation>Keine Zahlung</translation>
    </message>
    <message>
        <source>Done before</source>
        <translation>Bereits erledigt</translation>
    </message>
    <message>
        <source>Match bank statement</source>
        <translation>Kontoauszug abgleichen</translation>
    </message>
    <message>
        <source>Bank entries</source>
        <translation>Bankbuchungen</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Payer</source>
        <translation>Zahler</translation>
    </message>
    <message>
        <source>Remittance</source>
        <translation>Verwendungszweck</translation>
    </message>
    <message>
        <source>Proposal</source>
        <translation>Vorschlag</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Rechnung</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Pay invoice</source>
        <translation>Zahlt Rechnung</translation>
    </message>
    <message>
        <source>(no invoice)</source>
        <translation>(keine Rechnung)</translation>
    </message>
    <message>
        <source>Mark accepted paid</source>
        <translation>Als bezahlt buchen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No credit is accepted: check the ones that pay an invoice, or pick the invoice they pay.</source>
        <translation>Keine Gutschrift übernommen: Haken Sie die Gutschriften an, die eine Rechnung bezahlen, oder wählen Sie die bezahlte Rechnung.</translation>
    </message>
    <message>
        <source>Invoices marked paid: %1, from %2 bank entries.</source>
        <translation>Als bezahlt markierte Rechnungen: %1, aus %2 Bankbuchungen.</translation>
    </message>
    <message>
        <source>The statement holds no entries.</source>
        <translation>Der Kontoauszug enthält keine Buchungen.</translation>
    </message>
</context>
<context>
    <name>NewIdentity</name>
    <message>
        <source>The new identity could not be stored: %1 %2</source>
        <translation>Der neue Mandant konnte nicht gespeichert werden: %1 %2</translation>
    </message>
    <message>
        <source>The Company Name can have at most %1 characters.</source>
        <translation>Der Firmenname darf höchstens %1 Zeichen haben.</translation>
    </message>
    <message>
        <source>The first invoice number can be at most %1.</source>
        <translation>Die erste Rechnungsnummer darf höchstens %1 sein.</translation>
    </message>
    <message>
        <source>the database is busy.</source>
        <translation>die Datenbank ist beschäftigt.</translation>
    </message>
    <message>
        <source>the identities cannot be read.</source>
        <translation>die Mandanten können nicht gelesen werden.</translation>
    </message>
    <message>
        <source>its row cannot be added.</source>
        <translation>seine Zeile kann nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>it was given no usable number.</source>
        <translation>er hat keine verwendbare Nummer erhalten.</translation>
    </message>
    <message>
        <source>its starting invoice cannot be added.</source>
        <translation>seine Startrechnung kann nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>the database refused the change.</source>
        <translation>die Datenbank hat die Änderung abgelehnt.</translation>
    </message>
    <message>
        <source>You must enter the Company Name</source>
        <translation>Bitte geben Sie den Firmennamen ein</translation>
    </message>
    <message>
        <source>That Identity already exists</source>
        <translation>Diesen Mandanten gibt es bereits</translation>
    </message>
</context>
<context>
    <name>OnlineUpdate</name>
    <message>
        <source>%1 does not hold a revision number.</source>
        <translation>%1 enthält keine Revisionsnummer.</translation>
    </message>
    <message>
        <source>The program file %1 is not the user&apos;s to replace.</source>
        <translation>Die Programmdatei %1 darf vom Benutzer nicht ersetzt werden.</translation>
    </message>
    <message>
        <source>The signature of %1 does not match it.</source>
        <translation>Die Signatur von %1 passt nicht zur Datei.</translation>
    </message>
    <message>
        <source>%1 is revision &quot;%2&quot;, not the newer %3 announced.</source>
        <translation>%1 ist Revision „%2“, nicht die angekündigte neuere %3.</translation>
    </message>
</context>
<context>
    <name>PageSettings</name>
    <message>
        <source>VAT</source>
        <translation>MwSt.</translation>
    </message>
</context>
<context>
    <name>QSQLiteResult</name>
    <message>
        <source>Unable to fetch row</source>
        <translation>Zeile kann nicht abgerufen werden</translation>
    </message>
    <message>
        <source>Unable to execute statement</source>
        <translation>Anweisung kann nicht ausgeführt werden</translation>
    </message>
</context>
<context>
    <name>ReceivedExpense</name>
    <message>
        <source>%1, credit note %2</source>
        <translation>%1, Gutschrift %2</translation>
    </message>
    <message>
        <source>%1, invoice %2</source>
        <translation>%1, Rechnung %2</translation>
    </message>
</context>
<context>
    <name>ReceivedInvoiceWindow</name>
    <message>
        <source>E-invoice %1 from %2</source>
        <translation>E-Rechnung %1 von %2</translation>
    </message>
    <message>
        <source>E-invoice</source>
        <translation>E-Rechnung</translation>
    </message>
    <message>
        <source>Add as expense</source>
        <translation>Zu Ausgaben</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Read e-invoice</source>
        <translation>E-Rechnung lesen</translation>
    </message>
    <message>
        <source>E-invoices (*.xml *.pdf)</source>
        <translation>E-Rechnungen (*.xml *.pdf)</translation>
    </message>
    <message>
        <source>This invoice is in %1 and your books are in %2. Add its amounts as they are?</source>
        <translation>Diese Rechnung ist in %1 und Ihre Buchhaltung in %2. Die Beträge unverändert übernehmen?</translation>
    </message>
    <message>
        <source>The expenses could not be read:
%1</source>
        <translation>Die Ausgaben konnten nicht gelesen werden:
%1</translation>
    </message>
    <message>
        <source>There is already an expense &quot;%1&quot; dated %2. Add this invoice again?</source>
        <translation>Es gibt bereits eine Ausgabe „%1“ vom %2. Diese Rechnung erneut erfassen?</translation>
    </message>
    <message>
        <source>The expense could not be saved:
%1</source>
        <translation>Die Ausgabe konnte nicht gespeichert werden:
%1</translation>
    </message>
</context>
<context>
    <name>ReminderLetter</name>
    <message>
        <source>Reminder</source>
        <translation>Zahlungserinnerung</translation>
    </message>
    <message>
        <source>Second Reminder</source>
        <translation>Mahnung</translation>
    </message>
    <message>
        <source>Final Reminder</source>
        <translation>Letzte Mahnung</translation>
    </message>
    <message>
        <source>Dear {client},

According to our records, invoice {number} of {date} for {total} was due for payment on {due date} and has not yet been paid. Perhaps it has been overlooked.

We would be grateful if you could pay {amount due} at your earliest convenience. If you have already paid, please disregard this letter.

Kind regards,
{trading name}</source>
        <translation>Guten Tag {client},

nach unseren Unterlagen war die Rechnung {number} vom {date} über {total} am {due date} zur Zahlung fällig und ist noch nicht bezahlt. Vielleicht ist sie Ihnen entgangen.

Wir wären Ihnen dankbar, wenn Sie {amount due} baldmöglichst überweisen. Sollten Sie bereits bezahlt haben, betrachten Sie dieses Schreiben bitte als gegenstandslos.

Mit freundlichen Grüßen
{trading name}</translation>
    </message>
    <message>
        <source>Dear {client},

Invoice {number} of {date} for {total}, due for payment on {due date}, remains unpaid despite our first reminder.

Please pay {amount due} within seven days of the date of this letter.

Yours sincerely,
{trading name}</source>
        <translation>Guten Tag {client},

die Rechnung {number} vom {date} über {total}, fällig am {due date}, ist trotz unserer Zahlungserinnerung noch offen.

Bitte zahlen Sie {amount due} innerhalb von sieben Tagen nach dem Datum dieses Schreibens.

Mit freundlichen Grüßen
{trading name}</translation>
    </message>
    <message>
        <source>Dear {client},

Despite our earlier reminders, invoice {number} of {date} for {total}, due for payment on {due date}, remains unpaid.

This is our final reminder. Unless we receive {amount due} within seven days of the date of this letter, we will take further steps to recover the debt without further notice.

Yours faithfully,
{trading name}</source>
        <translation>Guten Tag {client},

trotz unserer bisherigen Mahnungen ist die Rechnung {number} vom {date} über {total}, fällig am {due date}, noch offen.

Dies ist unsere letzte Mahnung. Sollten wir {amount due} nicht innerhalb von sieben Tagen nach dem Datum dieses Schreibens erhalten, werden wir ohne weitere Ankündigung weitere Schritte zur Einziehung der Forderung einleiten.

Mit freundlichen Grüßen
{trading name}</translation>
    </message>
    <message>
        <source>Invoice Total</source>
        <translation>Rechnungsbetrag</translation>
    </message>
    <message>
        <source>Reminder Fee</source>
        <translation>Mahngebühr</translation>
    </message>
    <message>
        <source>Amount Due</source>
        <translation>Offener Betrag</translation>
    </message>
    <message>
        <source>Invoice %1 of %2</source>
        <translation>Rechnung %1 vom %2</translation>
    </message>
    <message>
        <source>The fee added to the invoice total is too large to be printed.</source>
        <translation>Die zum Rechnungsbetrag addierte Gebühr ist zu groß zum Drucken.</translation>
    </message>
</context>
<context>
    <name>ReminderSettingsDialog</name>
    <message>
        <source>Reminders</source>
        <translation>Mahnungen</translation>
    </message>
    <message>
        <source>Fields: {number} {date} {due date} {total} {fee} {amount due} {trading name} {client}</source>
        <translation>Felder: {number} {date} {due date} {total} {fee} {amount due} {trading name} {client}</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Fee</source>
        <translation>Gebühr</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The fee of the %1 is not an amount of money.</source>
        <translation>Die Gebühr für „%1“ ist kein Geldbetrag.</translation>
    </message>
</context>
<context>
    <name>ReminderWindow</name>
    <message>
        <source>Print Reminder</source>
        <translation>Mahnung drucken</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Mahnung</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Fee</source>
        <translation>Gebühr</translation>
    </message>
    <message>
        <source>Preview...</source>
        <translation>Vorschau...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>PDF speichern...</translation>
    </message>
    <message>
        <source>Send by E-mail...</source>
        <translation>Per E-Mail senden...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>
The reminder is printed with the default layout.</source>
        <translation>
Die Mahnung wird mit dem Standardlayout gedruckt.</translation>
    </message>
    <message>
        <source>Reminder: invoice %1, %2</source>
        <translation>Mahnung: Rechnung %1, %2</translation>
    </message>
    <message>
        <source>The fee is not an amount of money between 0 and %1.</source>
        <translation>Die Gebühr ist kein Geldbetrag zwischen 0 und %1.</translation>
    </message>
    <message>
        <source>The reminder could not be printed.</source>
        <translation>Die Mahnung konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Save Reminder as PDF</source>
        <translation>Mahnung als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Der Ordner %1 konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>%1: invoice %2 from %3</source>
        <translation>%1: Rechnung %2 von %3</translation>
    </message>
    <message>
        <source>The reminder was made, but the invoice could not record it:
%1</source>
        <translation>Die Mahnung wurde erstellt, konnte aber nicht bei der Rechnung vermerkt werden:
%1</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>There is no identity %1.</source>
        <translation>Es gibt keinen Mandanten %1.</translation>
    </message>
    <message>
        <source>The invoice no longer exists.</source>
        <translation>Die Rechnung existiert nicht mehr.</translation>
    </message>
    <message>
        <source>A reminder fee must be between 0 and %1.</source>
        <translation>Eine Mahngebühr muss zwischen 0 und %1 liegen.</translation>
    </message>
</context>
<context>
    <name>ReportsTab</name>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Start Day</source>
        <translation>Starttag</translation>
    </message>
    <message>
        <source>Start Month</source>
        <translation>Startmonat</translation>
    </message>
    <message>
        <source>Start Year</source>
        <translation>Startjahr</translation>
    </message>
    <message>
        <source>End Day</source>
        <translation>Endtag</translation>
    </message>
    <message>
        <source>End Month</source>
        <translation>Endmonat</translation>
    </message>
    <message>
        <source>End Year</source>
        <translation>Endjahr</translation>
    </message>
    <message>
        <source>Get The VAT</source>
        <translation>MwSt. zeigen</translation>
    </message>
    <message>
        <source>Get Expenses</source>
        <translation>Ausgaben zeigen</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>MwSt.</translation>
    </message>
    <message>
        <source>The date of the first invoice could not be read, so the years offered begin with %1.
%2</source>
        <translation>Das Datum der ersten Rechnung konnte nicht gelesen werden, daher beginnen die angebotenen Jahre mit %1.
%2</translation>
    </message>
    <message>
        <source>The paid invoices could not be read:
%1</source>
        <translation>Die bezahlten Rechnungen konnten nicht gelesen werden:
%1</translation>
    </message>
    <message>
        <source>The expenses could not be read:
%1</source>
        <translation>Die Ausgaben konnten nicht gelesen werden:
%1</translation>
    </message>
    <message>
        <source>Date Error</source>
        <translation>Datumsfehler</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>there is no space left on the disk</source>
        <translation>auf dem Datenträger ist kein Platz mehr</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ServerAddress</name>
    <message>
        <source>&quot;%1&quot; is not the address of shared books. Write it as postgresql://user@server:5432/books</source>
        <translation>„%1“ ist keine Adresse einer gemeinsamen Buchhaltung. Schreiben Sie sie als postgresql://user@server:5432/books</translation>
    </message>
    <message>
        <source>Billcraft keeps no passwords: take the password out of the address and put it in ~/.pgpass (or the PGPASSWORD variable).</source>
        <translation>Billcraft speichert keine Passwörter: Entfernen Sie das Passwort aus der Adresse und tragen Sie es in ~/.pgpass (oder die Variable PGPASSWORD) ein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no single database.</source>
        <translation>„%1“ bezeichnet keine einzelne Datenbank.</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; in the address is not one Billcraft passes to the server.</source>
        <translation>Die Einstellung „%1“ in der Adresse gibt Billcraft nicht an den Server weiter.</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; in the address holds a character that cannot be passed on.</source>
        <translation>Die Einstellung „%1“ in der Adresse enthält ein Zeichen, das nicht weitergegeben werden kann.</translation>
    </message>
</context>
<context>
    <name>ServerBackup</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The shared books are not open.</source>
        <translation>Die gemeinsame Buchhaltung ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>--backup needs FILE, the archive to write.</source>
        <translation>--backup braucht FILE, das zu schreibende Archiv.</translation>
    </message>
    <message>
        <source>%1 holds more than %2 files beside the database: it is not a Billcraft backup.</source>
        <translation>%1 enthält neben der Datenbank mehr als %2 Dateien: es ist keine Billcraft-Sicherung.</translation>
    </message>
    <message>
        <source>Nothing has been changed.</source>
        <translation>Es wurde nichts geändert.</translation>
    </message>
    <message numerus="yes">
        <source>%n other seat(s) are connected to the shared books at %1. A restore replaces everything they work on: ask them to close Billcraft, then restore again.</source>
        <translation>
            <numerusform>%n weiterer Arbeitsplatz ist mit der gemeinsamen Buchhaltung unter %1 verbunden. Eine Wiederherstellung ersetzt alles, woran dort gearbeitet wird: Bitten Sie, dort Billcraft zu schließen, und stellen Sie dann erneut wieder her.</numerusform>
            <numerusform>%n weitere Arbeitsplätze sind mit der gemeinsamen Buchhaltung unter %1 verbunden. Eine Wiederherstellung ersetzt alles, woran dort gearbeitet wird: Bitten Sie, dort Billcraft zu schließen, und stellen Sie dann erneut wieder her.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SharedBooks</name>
    <message>
        <source>%1

Try again, use this computer&apos;s data folder instead, or quit?</source>
        <translation>%1

Erneut versuchen, stattdessen den Datenordner dieses Computers verwenden oder beenden?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Use Data Folder</source>
        <translation>Datenordner nutzen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>--database %1: %2</source>
        <translation>--database %1: %2</translation>
    </message>
    <message>
        <source>The shared books remembered for this user (%1) cannot be used: %2</source>
        <translation>Die für diesen Benutzer gespeicherte gemeinsame Buchhaltung (%1) kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>dieser Computer</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>SharedBooksDialog</name>
    <message>
        <source>Connect to shared books</source>
        <translation>Mit gemeinsamer Buchhaltung verbinden</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradresse</translation>
    </message>
    <message>
        <source>Billcraft keeps no password: the server&apos;s password is read from ~/.pgpass, a PostgreSQL service file or the PGPASSWORD setting. The choice takes effect when Billcraft next starts.</source>
        <translation>Billcraft speichert kein Passwort: das Passwort des Servers wird aus ~/.pgpass, einer PostgreSQL-Servicedatei oder der Einstellung PGPASSWORD gelesen. Die Auswahl gilt ab dem nächsten Start von Billcraft.</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Use this computer&apos;s data folder</source>
        <translation>Lokalen Datenordner verwenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The shared books %1 can be opened.</source>
        <translation>Die gemeinsame Buchhaltung %1 kann geöffnet werden.</translation>
    </message>
    <message>
        <source>Billcraft opens the shared books %1 from its next start.</source>
        <translation>Billcraft öffnet ab dem nächsten Start die gemeinsame Buchhaltung %1.</translation>
    </message>
    <message>
        <source>Billcraft opens the books in this computer&apos;s data folder from its next start.</source>
        <translation>Billcraft öffnet ab dem nächsten Start die Buchhaltung im Datenordner dieses Computers.</translation>
    </message>
    <message>
        <source>The choice could not be kept for the next start: %1</source>
        <translation>Die Auswahl konnte nicht für den nächsten Start gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>SharedFiles</name>
    <message>
        <source>%1 in the shared books</source>
        <translation>%1 in der gemeinsamen Buchhaltung</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the name of a file the books keep.</source>
        <translation>„%1“ ist nicht der Name einer Datei, die die Buchhaltung aufbewahrt.</translation>
    </message>
    <message>
        <source>%1 cannot be read: it is too large (%2 bytes).</source>
        <translation>%1 kann nicht gelesen werden: die Datei ist zu groß (%2 Bytes).</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: it is not a file.</source>
        <translation>%1 kann nicht gelesen werden: es ist keine Datei.</translation>
    </message>
    <message>
        <source>%1 cannot be saved: it would be too large (%2 bytes).</source>
        <translation>%1 kann nicht gespeichert werden: die Datei wäre zu groß (%2 Bytes).</translation>
    </message>
    <message>
        <source>%1 cannot be saved: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The files cannot be saved: %1</source>
        <translation>Die Dateien können nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>
%1 could not be put back as it was: %2</source>
        <translation>
%1 konnte nicht wiederhergestellt werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be removed: %2</source>
        <translation>%1 kann nicht entfernt werden: %2</translation>
    </message>
</context>
<context>
    <name>StatementFiles</name>
    <message>
        <source>an entry is larger or deeper than a statement&apos;s entries are.</source>
        <translation>eine Buchung ist größer oder tiefer verschachtelt als die Buchungen eines Kontoauszugs.</translation>
    </message>
    <message>
        <source>the XML declares entities, which statements have none of.</source>
        <translation>das XML deklariert Entitäten, die Kontoauszüge nicht haben.</translation>
    </message>
    <message>
        <source>an entry&apos;s amount &quot;%1&quot; is no amount.</source>
        <translation>der Betrag „%1“ einer Buchung ist kein Betrag.</translation>
    </message>
    <message>
        <source>an entry&apos;s date &quot;%1&quot; is no date.</source>
        <translation>das Datum „%1“ einer Buchung ist kein Datum.</translation>
    </message>
    <message>
        <source>an entry has no booking date.</source>
        <translation>eine Buchung hat kein Buchungsdatum.</translation>
    </message>
    <message>
        <source>an entry is neither a credit nor a debit.</source>
        <translation>eine Buchung ist weder Gutschrift noch Lastschrift.</translation>
    </message>
    <message>
        <source>it is XML but no camt.053 statement.</source>
        <translation>es ist XML, aber kein camt.053-Kontoauszug.</translation>
    </message>
    <message>
        <source>it is camt.053 version %1, which Billcraft does not read (it reads versions 02 to 08).</source>
        <translation>es ist camt.053 Version %1, die Billcraft nicht liest (es liest die Versionen 02 bis 08).</translation>
    </message>
    <message>
        <source>the XML declares a DTD, which statements have none of.</source>
        <translation>das XML deklariert eine DTD, die Kontoauszüge nicht haben.</translation>
    </message>
    <message>
        <source>the XML nests its elements deeper than a statement does.</source>
        <translation>das XML verschachtelt seine Elemente tiefer als ein Kontoauszug.</translation>
    </message>
    <message>
        <source>its XML is damaged at line %1: %2</source>
        <translation>sein XML ist in Zeile %1 beschädigt: %2</translation>
    </message>
    <message>
        <source>the camt.053 document holds no statement.</source>
        <translation>das camt.053-Dokument enthält keinen Kontoauszug.</translation>
    </message>
    <message>
        <source>it has %1 columns where the bank&apos;s mapping reads %2.</source>
        <translation>sie hat %1 Spalten, die Spaltenzuordnung der Bank erwartet aber %2.</translation>
    </message>
    <message>
        <source>its date &quot;%1&quot; is no date written %2.</source>
        <translation>ihr Datum „%1“ ist kein im Format %2 geschriebenes Datum.</translation>
    </message>
    <message>
        <source>its amount &quot;%1&quot; is no amount.</source>
        <translation>ihr Betrag „%1“ ist kein Betrag.</translation>
    </message>
    <message>
        <source>a quoted field is never closed.</source>
        <translation>ein Feld in Anführungszeichen wird nie geschlossen.</translation>
    </message>
    <message>
        <source>the file has no header line %1.</source>
        <translation>die Datei hat keine Kopfzeile %1.</translation>
    </message>
    <message>
        <source>row %1 after the header: %2</source>
        <translation>Zeile %1 nach der Kopfzeile: %2</translation>
    </message>
    <message>
        <source>the :61: line &quot;%1&quot; is damaged: %2</source>
        <translation>die :61:-Zeile „%1“ ist beschädigt: %2</translation>
    </message>
    <message>
        <source>no date and credit or debit mark.</source>
        <translation>kein Datum und kein Soll-/Haben-Kennzeichen.</translation>
    </message>
    <message>
        <source>its date is impossible.</source>
        <translation>ihr Datum ist unmöglich.</translation>
    </message>
    <message>
        <source>its amount is no amount.</source>
        <translation>ihr Betrag ist kein Betrag.</translation>
    </message>
    <message>
        <source>the balance &quot;:%1:%2&quot; names no currency.</source>
        <translation>der Saldo „:%1:%2“ nennt keine Währung.</translation>
    </message>
    <message>
        <source>it holds no MT940 statement (no :20: field).</source>
        <translation>sie enthält keinen MT940-Kontoauszug (kein :20:-Feld).</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>it is a CSV file of a bank whose columns are not known yet: open it once in the window to set its columns.</source>
        <translation>es ist eine CSV-Datei einer Bank, deren Spalten noch nicht bekannt sind: Öffnen Sie sie einmal im Fenster, um die Spalten festzulegen.</translation>
    </message>
    <message>
        <source>it is larger than %L1 MB, more than a statement holds.</source>
        <translation>sie ist größer als %L1 MB, mehr als ein Kontoauszug enthält.</translation>
    </message>
    <message>
        <source>it has more than %L1 entries, more than Billcraft reads.</source>
        <translation>sie hat mehr als %L1 Buchungen, mehr als Billcraft liest.</translation>
    </message>
</context>
<context>
    <name>StatementMatch</name>
    <message>
        <source>Money paid out, not a payment.</source>
        <translation>Auszahlung, kein Zahlungseingang.</translation>
    </message>
    <message>
        <source>Matched when this statement was read before.</source>
        <translation>Beim früheren Lesen dieses Kontoauszugs zugeordnet.</translation>
    </message>
    <message>
        <source>The same bank reference comes earlier in this statement.</source>
        <translation>Dieselbe Bankreferenz kommt früher in diesem Kontoauszug vor.</translation>
    </message>
    <message>
        <source>Paid in %1; the invoices are in %2.</source>
        <translation>Bezahlt in %1; die Rechnungen sind in %2.</translation>
    </message>
    <message>
        <source>No amount.</source>
        <translation>Kein Betrag.</translation>
    </message>
    <message>
        <source>Invoice %1 is proposed for an earlier credit.</source>
        <translation>Rechnung %1 ist für eine frühere Gutschrift vorgeschlagen.</translation>
    </message>
    <message>
        <source>Partial payment of invoice %1 (total %2).</source>
        <translation>Teilzahlung der Rechnung %1 (Gesamt %2).</translation>
    </message>
    <message>
        <source>The amount is not the total of invoice %1.</source>
        <translation>Der Betrag ist nicht der Gesamtbetrag der Rechnung %1.</translation>
    </message>
    <message>
        <source>%1 unpaid invoices have this amount.</source>
        <translation>%1 unbezahlte Rechnungen haben diesen Betrag.</translation>
    </message>
    <message>
        <source>The invoice of this amount is proposed for another credit.</source>
        <translation>Die Rechnung mit diesem Betrag ist für eine andere Gutschrift vorgeschlagen.</translation>
    </message>
    <message>
        <source>No unpaid invoice has this amount.</source>
        <translation>Keine unbezahlte Rechnung hat diesen Betrag.</translation>
    </message>
    <message>
        <source>Nothing was marked paid; match the statement again.</source>
        <translation>Es wurde nichts als bezahlt markiert; gleichen Sie den Kontoauszug erneut ab.</translation>
    </message>
    <message>
        <source>The bank entry %1 has been matched already.</source>
        <translation>Die Bankbuchung %1 wurde bereits zugeordnet.</translation>
    </message>
    <message>
        <source>Invoice %1 has been marked paid meanwhile.</source>
        <translation>Rechnung %1 wurde inzwischen als bezahlt markiert.</translation>
    </message>
</context>
<context>
    <name>StatementMatchJob</name>
    <message>
        <source>There is no identity %1.</source>
        <translation>Es gibt keinen Mandanten %1.</translation>
    </message>
    <message>
        <source>There is no Billcraft database (%1) in %2.</source>
        <translation>In %2 gibt es keine Billcraft-Datenbank (%1).</translation>
    </message>
</context>
<context>
    <name>StatementOpening</name>
    <message>
        <source>The bank&apos;s columns could not be remembered: %1</source>
        <translation>Die Spalten der Bank konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Match bank statement</source>
        <translation>Kontoauszug abgleichen</translation>
    </message>
    <message>
        <source>Bank statements (*.xml *.sta *.mt940 *.txt *.csv)</source>
        <translation>Kontoauszüge (*.xml *.sta *.mt940 *.txt *.csv)</translation>
    </message>
    <message>
        <source>camt.053 (*.xml)</source>
        <translation>camt.053 (*.xml)</translation>
    </message>
    <message>
        <source>MT940 (*.sta *.mt940 *.txt)</source>
        <translation>MT940 (*.sta *.mt940 *.txt)</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>StyleEditor</name>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Choose Font</source>
        <translation>Schrift wählen</translation>
    </message>
    <message>
        <source>Font Style</source>
        <translation>Schriftstil</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Set Font Colour</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Border Style (viewable in preview mode not layout mode)</source>
        <translation>Rahmenstil (sichtbar in der Vorschau, nicht im Layoutmodus)</translation>
    </message>
    <message>
        <source>No Box</source>
        <translation>Kein Rahmen</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Edit </source>
        <translation>Bearbeiten </translation>
    </message>
</context>
<context>
    <name>SwitchIdentitiesDialog</name>
    <message>
        <source>Switch Identities</source>
        <translation>Mandant wechseln</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Mandant</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Please select Identity</source>
        <translation>Bitte Mandant wählen</translation>
    </message>
    <message>
        <source>Choose Identity</source>
        <translation>Mandant wählen</translation>
    </message>
</context>
<context>
    <name>TradingDetails</name>
    <message>
        <source>There is no identity %1.</source>
        <translation>Es gibt keinen Mandanten %1.</translation>
    </message>
</context>
<context>
    <name>TradingDetailsDialog</name>
    <message>
        <source>Trading details</source>
        <translation>Firmendaten</translation>
    </message>
    <message>
        <source>Legal name</source>
        <translation>Firmierung</translation>
    </message>
    <message>
        <source>VAT number</source>
        <translation>USt-IdNr.</translation>
    </message>
    <message>
        <source>Tax number</source>
        <translation>Steuernummer</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Postcode</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Contact name</source>
        <translation>Ansprechpartner</translation>
    </message>
    <message>
        <source>IBAN</source>
        <translation>IBAN</translation>
    </message>
    <message>
        <source>BIC</source>
        <translation>BIC</translation>
    </message>
    <message>
        <source>Payment due after (days)</source>
        <translation>Zahlungsziel (Tage)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Reminders...</source>
        <translation>Mahnungen...</translation>
    </message>
    <message>
        <source>The trading details could not be saved.</source>
        <translation>Die Firmendaten konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The trading details could not be read.</source>
        <translation>Die Firmendaten konnten nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>en</source>
        <extracomment>The ISO 639-1 code of the language of this catalogue: &quot;de&quot; in the German one.</extracomment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>UpdateCommand</name>
    <message>
        <source>Web Updates</source>
        <translation>Web-Updates</translation>
    </message>
    <message>
        <source>Billcraft was installed by the system&apos;s package manager, which updates it. Nothing was downloaded.</source>
        <translation>Billcraft wurde über die Paketverwaltung des Systems installiert, die es auch aktualisiert. Es wurde nichts heruntergeladen.</translation>
    </message>
    <message>
        <source>Billcraft cannot update itself: you may not replace the program file %1. Nothing was downloaded.</source>
        <translation>Billcraft kann sich nicht selbst aktualisieren: Sie dürfen die Programmdatei %1 nicht ersetzen. Es wurde nichts heruntergeladen.</translation>
    </message>
    <message>
        <source>Check if Updates are available from %1 ?</source>
        <translation>Bei %1 nach verfügbaren Updates suchen?</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Suche nach Updates...</translation>
    </message>
    <message>
        <source>You have the most up to date Version</source>
        <translation>Sie haben die neueste Version</translation>
    </message>
    <message>
        <source>updates are available</source>
        <translation>Updates sind verfügbar</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Update wird heruntergeladen...</translation>
    </message>
    <message>
        <source>New file installed
Please restart application for new updates to take effect</source>
        <translation>Neue Datei installiert
Bitte starten Sie das Programm neu, damit die Updates wirksam werden</translation>
    </message>
    <message>
        <source>The update could not be installed; the program is unchanged.
</source>
        <translation>Das Update konnte nicht installiert werden; das Programm ist unverändert.
</translation>
    </message>
    <message>
        <source>An error occured connecting to %1
Please ensure you are connected to the Internet before trying again</source>
        <translation>Beim Verbinden mit %1 ist ein Fehler aufgetreten
Bitte prüfen Sie Ihre Internetverbindung und versuchen Sie es erneut</translation>
    </message>
</context>
<context>
    <name>UpdateFetcher</name>
    <message>
        <source>%1 is larger than %2 bytes.</source>
        <translation>%1 ist größer als %2 Bytes.</translation>
    </message>
    <message>
        <source>%1 did not arrive within %2 seconds.</source>
        <translation>%1 ist nicht innerhalb von %2 Sekunden angekommen.</translation>
    </message>
    <message>
        <source>%1 sent nothing for %2 seconds.</source>
        <translation>%1 hat %2 Sekunden lang nichts gesendet.</translation>
    </message>
    <message>
        <source>%1 answered %2.</source>
        <translation>%1 antwortete %2.</translation>
    </message>
</context>
<context>
    <name>UpdateInstaller</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The earlier copy %1 cannot be removed.</source>
        <translation>Die frühere Kopie %1 kann nicht entfernt werden.</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user; Billcraft does not write into it. Remove it and try again.</source>
        <translation>Der Ordner %1 gehört einem anderen Benutzer; Billcraft schreibt nicht hinein. Entfernen Sie ihn und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be examined: %2</source>
        <translation>Der Ordner %1 kann nicht geprüft werden: %2</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; Billcraft does not write through it. Remove the link and try again.</source>
        <translation>%1 ist eine symbolische Verknüpfung; Billcraft schreibt nicht über Verknüpfungen. Entfernen Sie die Verknüpfung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 is not a folder. Remove it and try again.</source>
        <translation>%1 ist kein Ordner. Entfernen Sie es und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2</source>
        <translation>Der Ordner %1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened: %2</source>
        <translation>Der Ordner %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 was written, but it could not be flushed to disk: %2</source>
        <translation>%1 wurde geschrieben, konnte aber nicht auf die Festplatte übertragen werden: %2</translation>
    </message>
    <message>
        <source>No temporary folder: %1</source>
        <translation>Kein temporärer Ordner: %1</translation>
    </message>
    <message>
        <source>The program file %1 was not found.</source>
        <translation>Die Programmdatei %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The new program cannot be put in place of %1: %2</source>
        <translation>Das neue Programm kann nicht an die Stelle von %1 gesetzt werden: %2</translation>
    </message>
</context>
<context>
    <name>ZipArchive</name>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 ist beschädigt: %2</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is not a readable zip archive: %2</source>
        <translation>%1 ist kein lesbares Zip-Archiv: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: it could not be flushed to disk.</source>
        <translation>%1 kann nicht geschrieben werden: die Datei konnte nicht auf die Festplatte übertragen werden.</translation>
    </message>
    <message>
        <source>%1 was written, but it could not be flushed to disk: %2</source>
        <translation>%1 wurde geschrieben, konnte aber nicht auf die Festplatte übertragen werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: its folder does not exist.</source>
        <translation>%1 kann nicht geschrieben werden: sein Ordner existiert nicht.</translation>
    </message>
    <message>
        <source>cancelled.</source>
        <translation>abgebrochen.</translation>
    </message>
    <message>
        <source>%1 cannot be written: cancelled.</source>
        <translation>%1 kann nicht geschrieben werden: abgebrochen.</translation>
    </message>
    <message>
        <source>%1 does not hold %2.</source>
        <translation>%1 enthält %2 nicht.</translation>
    </message>
    <message>
        <source>%1 holds %2 more than once.</source>
        <translation>%1 enthält %2 mehr als einmal.</translation>
    </message>
    <message>
        <source>%1 holds %2 under a folder name (&quot;%3&quot;); it is not extracted.</source>
        <translation>%1 enthält %2 unter einem Ordnernamen („%3“); es wird nicht entpackt.</translation>
    </message>
    <message>
        <source>%1 holds %2 encrypted; it cannot be read.</source>
        <translation>%1 enthält %2 verschlüsselt; es kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 holds %2 in a compression this program cannot read.</source>
        <translation>%1 enthält %2 in einer Komprimierung, die dieses Programm nicht lesen kann.</translation>
    </message>
    <message>
        <source>%1 says %2 is %3 bytes, more than the %4 bytes allowed or free; it is not extracted.</source>
        <translation>%1 gibt für %2 %3 Bytes an, mehr als die erlaubten oder freien %4 Bytes; es wird nicht entpackt.</translation>
    </message>
    <message>
        <source>%1 holds more of %2 than it says (over %3 bytes); it is not extracted.</source>
        <translation>%1 enthält mehr von %2, als es angibt (über %3 Bytes); es wird nicht entpackt.</translation>
    </message>
    <message>
        <source>Extracting %1 was cancelled.</source>
        <translation>Das Entpacken von %1 wurde abgebrochen.</translation>
    </message>
    <message>
        <source>%1 is damaged: %2 ends after %3 of %4 bytes.</source>
        <translation>%1 ist beschädigt: %2 endet nach %3 von %4 Bytes.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a plain file name.</source>
        <translation>„%1“ ist kein einfacher Dateiname.</translation>
    </message>
</context>
</TS>
