<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en">
<context>
    <name>AddExpenseDialog</name>
    <message>
        <source>Add Expense</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Client Ref</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mileage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mileage Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The expense could not be saved:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Date is incorrect!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Value is incorrect!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Mileage is incorrect!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Mileage Rate is incorrect!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your VAT is incorrect!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddIdentityDialog</name>
    <message>
        <source>Add Identity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add New Identity Name (Company Name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the Invoice number you want on your first invoice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AdtgText</name>
    <message>
        <source>%1 at offset 0x%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>truncated %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>truncated column descriptor %1 (%2 bytes, %3 left)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (column %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>column %1 (%2) has the unsupported type %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>column %1 (%2) has no width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>truncated result descriptor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>result descriptor too short (%1 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not an ADTG file: the file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not an ADTG file: no header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not an ADTG file: wrong signature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends before its column descriptors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a second result descriptor (a hierarchical recordset, which is not supported)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>truncated descriptor 0x%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected token 0x%1 before the column descriptors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no result descriptor before the column descriptors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the result descriptor counts no columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 visible columns of %2 in all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a column count of %1 is more than the file can hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends before column descriptor %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>column descriptor %1 of %2 expected, found token 0x%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a row count of %1 is more than the file can hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a table of %1 rows of %2 columns is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends without its end mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> in the row at offset 0x%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes after the end mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more rows than the %1 the file counts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a change without the row it changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a deletion without the row it deletes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown row token 0x%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is too large (%1 bytes) for a table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is too large for a table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a value of %1 bytes runs past the end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a string of an odd byte count (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an 8-bit integer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an unsigned 8-bit integer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a 16-bit integer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an unsigned 16-bit integer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a 32-bit integer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an unsigned 32-bit integer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a 64-bit integer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a value of %1 bytes is wider than the column&apos;s %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a value of %1 bytes is longer than a one-byte length counts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a value of %1 bytes is longer than a four-byte length counts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an unsigned 64-bit integer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a GUID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a time of day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a date and time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a currency amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>within the range of a single</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a character that Windows-1252 has not</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the column type %1 cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a table of %1 columns; a file holds 65535 at most</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a table of %1 rows is too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name of column %1 (%2 characters) is too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1, column %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlertsWindow</name>
    <message>
        <source>Alerts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remind Me Next Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never Show This Alert Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel Alert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select an Alert to work with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This appointment has been deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database reported an error:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Invoice %2 to %3 for %4 is overdue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppointmentDialog</name>
    <message>
        <source>You have not added any details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You already have An Appointment
For the selected Date and Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This appointment has been deleted since this window was opened, so it cannot be updated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The details can be at most %1 characters long; these are %2. Please shorten them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Appointment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time (24 hrs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set an Alert </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Appointment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database reported an error:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A reference database cannot be made: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is the database itself; a backup needs a file of its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: the database could not be copied: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be kept as %2: %3; it has not been replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database is not open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--backup needs FILE, the archive to write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no Billcraft database (%1) in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a Billcraft database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: it has no table %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The earlier copy %1 cannot be removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not an SQLite database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a Billcraft database: it has no table %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a Billcraft database: the table %2 has no column %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be locked: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is still open in another program; it has not been replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was replaced, but the change could not be flushed to disk: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackupRestore</name>
    <message>
        <source>All Back Up files (*.bak *.BAK)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bak files (*.bak *.BAK)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backing up the data file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Bak files (*.bak *.BAK)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the back up...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back Up DataFile ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back Up ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back Data file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Backed Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The back up was not made.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore DataFile ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore DataFile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Restore Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File restore Failed The back up is invalid
Returning to existing Data file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Sucessfully Restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
The data file it replaced is kept as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The back up was proved sound but could not replace the data file:
%1
Returning to existing Data file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file could not be opened again:
%1
Close Billcraft and start it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n other seat(s) are connected to the shared books. A restore replaces everything they work on: ask them to close Billcraft, then restore again.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BookCopy</name>
    <message>
        <source>the table %1 cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the column %1 of %2 has no place in %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 in %3 but %4 in %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rows of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sum of the invoices&apos; Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sum of the invoices&apos; VAT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sum of the invoices&apos; Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sum of the expenses&apos; Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sum of the expenses&apos; VAT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identity %1 (%2) has %3 invoices numbered &quot;%4&quot;; shared books allow one. Renumber all but one of them, then copy again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be copied to %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy does not match its source, so nothing has been copied:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no Billcraft database (%1) in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database %1 already holds books (rows in %2); a copy needs an empty database. Nothing has been changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing has been copied: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a value is stored as bytes, not as text or a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text holds the character U+0000, which the server cannot keep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server sent a row that cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BusinessIds</name>
    <message>
        <source>U and 8 digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 digits, the first 0 or 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9 or 10 digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 digits and a letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 to 10 digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9 digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9 characters, 7 digits between a letter or digit each</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 letters or digits and 9 digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11 digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7 digits (the second may be a letter) and 1 or 2 letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9 or 12 digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9 digits, B and 2 digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 to 10 digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12 digits ending in 01</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9 or 12 digits, or GD or HA and 3 digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E, 9 digits and MWST, TVA or IVA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9 digits and MVA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 to 13 letters or digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An IBAN holds only letters and digits: &quot;%1&quot; does not.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An IBAN begins with its country&apos;s two letters and two check digits: &quot;%1&quot; does not.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The IBAN begins with &quot;%1&quot;, which is no country&apos;s code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An IBAN of %1 has %2 characters; this one has %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An IBAN has 15 to 34 characters; this one has %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The IBAN&apos;s check digits are wrong: check it against your bank statement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A BIC has 8 or 11 characters; this one has %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A BIC begins with four letters for the bank: &quot;%1&quot; does not.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A BIC&apos;s fifth and sixth characters are its country: &quot;%1&quot; is no country&apos;s code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After its country a BIC holds only letters and digits: &quot;%1&quot; does not.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A VAT number begins with its country&apos;s two letters (DE, FR, EL...): &quot;%1&quot; does not.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greek VAT numbers begin with EL, not GR.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The VAT number begins with &quot;%1&quot;, which is no country&apos;s code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A VAT number of %1 is %2 followed by %3: &quot;%4&quot; is not.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The VAT number &quot;%1&quot; is of %2, but the country is %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a country code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an e-mail address: it needs the form name@example.com, without blanks.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BuyerDetails</name>
    <message>
        <source>The client no longer exists.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BuyerDetailsDialog</name>
    <message>
        <source>E-invoice details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VAT number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-invoice address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buyer reference (Leitweg-ID)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice details could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The client no longer exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice details could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Calculator</name>
    <message>
        <source>Cannot divide by zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalculatorWindow</name>
    <message>
        <source>Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M+</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalendarTab</name>
    <message>
        <source>Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Appointment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Appointments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Appointments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right click to edit appointments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appointments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Appointments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>False</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This appointment has been deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Will Delete %1 proceed ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have no appointments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database reported an error:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClientDropDown</name>
    <message>
        <source>The client list could not be read.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Company</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClientsTab</name>
    <message>
        <source>Salutation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Town</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>County / State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postcode/Zip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to add a new company ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the first characters of the client you are looking for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
There are Invoices For this client
These will also be Deleted !
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Deletion of Client and Associated Invoices
Not recomended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clients</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ClientID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AddNew</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The client could not be loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add New Client?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a Company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new client could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Client Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The client could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clients could not be searched.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The client&apos;s invoices could not be checked, so nothing was deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Will Delete %1 proceed ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The client could not be deleted; nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-invoice details...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CsvMappingDialog</name>
    <message>
        <source>Booking date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount (signed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remittance text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payer or payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columns of the Bank&apos;s Statement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delimiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Header line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comma (1.234,56)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point (1,234.56)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency otherwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the column of the booking date, and the signed amount&apos;s or the columns of money in and out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With these columns the file cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>No data folder was given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data folder %1 is a file, not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data folder %1 cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data folder %1 is read-only. Billcraft needs to write there: make the folder writable, or start Billcraft with another data folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data folder %1 cannot be written to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a link to another place. Billcraft writes a copy of your books there, so it must be a folder of your own in the data folder: remove the link and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder; Billcraft needs a folder of that name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user. Billcraft writes a copy of your books there, so it must be yours: remove it and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be made private to you: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be made private to you: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be locked: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data folder %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data folder %1 is read-only. Billcraft needs to write there: make the folder writable, or start Billcraft with another data folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is read-only. Billcraft needs to write to it: make the file writable, or start Billcraft with another data folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a Billcraft database (%2). Billcraft has left it unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a database of the earlier Windows program, still to be converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not an SQLite file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2. Billcraft has left it unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds none of Billcraft&apos;s tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it lacks the tables %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot use a write-ahead journal (the journal mode is &quot;%2&quot;), so a saved invoice might not survive a power cut. %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be set to write every change through to the disk, so a saved invoice might not survive a power cut. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the table %2 cannot be created: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be upgraded to version %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be upgraded: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot add %1.%2 of type %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Billcraft cannot reach shared books: Qt&apos;s PostgreSQL driver is missing (Debian package libqt6sql6-psql).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server of %1 refused a setting: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database %1 holds tables of another program. Shared books need an empty database of their own: Billcraft has left it unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the shared books cannot be made: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shared books at %1 were last upgraded by a newer Billcraft (schema version %2; this Billcraft knows version %3). Update Billcraft on this computer to use them. Nothing has been changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesignerElement</name>
    <message>
        <source>Logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divider Line</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesignerLogo</name>
    <message>
        <source>%1 could not be made into a smaller picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 changed while it was read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesignerModel</name>
    <message>
        <source>Move %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nudge %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit for Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Align Lefts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Align Rights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address As Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Divider Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EInvoiceAmounts</name>
    <message>
        <source>The invoice&apos;s amounts are too large to be written as an e-invoice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payable within %1 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The invoice charges VAT but the identity&apos;s VAT rate is 0: correct the VAT Rate on the Invoice Layout tab.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EInvoiceExport</name>
    <message>
        <source>Invoice %1 from %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EInvoiceFile</name>
    <message>
        <source>Billcraft does not write this kind of e-invoice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factur-X PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XRechnung XML (*.xml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UBL XML (*.xml)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EInvoiceHtml</name>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit note %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoice %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Issued</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delivered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buyer reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VAT number: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tax number: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electronic address: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buyer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VAT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VAT breakdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taxable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VAT amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exemption reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allowances</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total without VAT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total with VAT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rounding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit transfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debit transfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment to bank account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direct debit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standing agreement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SEPA credit transfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SEPA direct debit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Means %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Means</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account holder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IBAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BIC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EInvoiceReader</name>
    <message>
        <source>The file is empty, so it is no e-invoice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is larger than %L2 MB, more than an e-invoice can be.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factur-X / ZUGFeRD (PDF with CII)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XRechnung (CII)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UBL 2.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CII (UN/CEFACT Cross Industry Invoice)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is XML but no e-invoice: its root element is %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice has more than %L1 elements, more than Billcraft reads.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice nests its elements more than %1 deep, more than Billcraft reads.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice declares entities, and e-invoices have none: it is not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice&apos;s XML is larger than %L1 MB, more than Billcraft reads.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file declares a DTD, and e-invoices have none: it is not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is neither a PDF nor XML, so it is no e-invoice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice&apos;s XML is damaged at line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice&apos;s amount %1 in %2 is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice&apos;s date %1 in %2 is not a date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice&apos;s VAT category %1 in %2 is not one Billcraft knows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice&apos;s code %1 in %2 is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice has more than %L1 lines, more than Billcraft reads.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice lacks its %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invoice number (BT-1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>issue date (BT-2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seller&apos;s name (BT-27)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>total without VAT (BT-109)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>total with VAT (BT-112)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EInvoiceRules</name>
    <message>
        <source>The invoice&apos;s amounts or VAT categories break the e-invoice rule %1, so it cannot be written as an e-invoice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice needs your business&apos;s legal name: enter it under Trading details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice needs your VAT number or tax number: enter one under Trading details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your VAT number must begin with its country code, such as GB or DE: correct it under Trading details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice needs your VAT number for this invoice&apos;s VAT category: enter it under Trading details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice needs your country code: enter it under Trading details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice needs your IBAN for payment by credit transfer: enter it under Trading details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice needs your e-mail address: enter it under Trading details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An XRechnung needs your contact name: enter it under Trading details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An XRechnung needs your telephone number: enter it under Trading details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An XRechnung needs your town: enter it under Trading details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An XRechnung needs your post code: enter it under Trading details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice needs the client&apos;s name: enter it on the Clients tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice needs the client&apos;s country code: enter it under E-invoice details on the Clients tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The client&apos;s VAT number must begin with its country code, such as FR or DE: correct it under E-invoice details on the Clients tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice needs the client&apos;s VAT number for this invoice&apos;s VAT category: enter it under E-invoice details on the Clients tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice needs the client&apos;s e-invoice address: enter it under E-invoice details on the Clients tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A UBL e-invoice needs the client&apos;s buyer reference or order number: enter it under E-invoice details on the Clients tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An XRechnung needs the client&apos;s buyer reference (Leitweg-ID): enter it under E-invoice details on the Clients tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An XRechnung needs the client&apos;s town: enter it on the Clients tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An XRechnung needs the client&apos;s post code: enter it on the Clients tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice needs the invoice&apos;s number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice needs the invoice&apos;s date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice needs the currency&apos;s code (ISO 4217, such as GBP or EUR), which the system&apos;s locale does not give.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice needs the invoice&apos;s content: edit the invoice to enter it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice needs a due date: enter the days allowed for payment under Trading details.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EnvelopePrinter</name>
    <message>
        <source>The printer does not take DL envelopes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The envelope could not be sent to the printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not installed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EnvelopeSettings</name>
    <message>
        <source>Printer Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envelope Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Envelope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Client Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Envelope ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Printer And Tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
No tray of %1 is chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
The client is no longer in the address book.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envelope - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Printer Tray</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EnvelopeTrays</name>
    <message>
        <source>The print system does not know this printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (default)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExpensesTab</name>
    <message>
        <source>This Will Delete %1 proceed ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of an expense cannot be changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This expense has been deleted meanwhile, so the change could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit the cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Expense</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The expenses could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The change could not be saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An expense must have a date, so it keeps the one it had.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date, so the expense keeps the one it had. Type a date such as %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VAT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An expense must have a value, so it keeps the one it had.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount of money, so the expense keeps its %2. Type a number such as 12.50, with or without %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of miles, so the expense keeps its mileage. Type a number such as 12.5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The expense could not be deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read e-invoice...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportButtons</name>
    <message>
        <source>Exporting %1 rows...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open in a spreadsheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list is empty, so there is nothing to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file Saved </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error saving file.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do You Want To Open This Data In Excel ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The spreadsheet could not be saved.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list could not be read in full, so nothing was exported.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No spreadsheet program could be started to show the data.
It has been saved as %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FacturX</name>
    <message>
        <source>This PDF carries no e-invoice (no factur-x.xml or other XML attached).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This PDF carries several XML attachments and none is named as an e-invoice (factur-x.xml).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice attached to this PDF is damaged and cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice attached to this PDF is larger than %1 MB; it was not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This PDF is larger than %1 MB, more than any e-invoice needs; it was not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is not a PDF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This PDF is protected by a password and cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This PDF is damaged and cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The colour profile that PDF/A invoices need cannot be read: %1 (Debian package icc-profiles-free).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Factur-X PDF cannot be made: it has no invoice data or no date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Factur-X PDF cannot be made: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Factur-X PDF cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GridData</name>
    <message>
        <source>True</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>False</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list&apos;s statement does not match its columns.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There Are Too Many Records To Display
Please Use Selection Criteria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rows read do not match the list&apos;s keys.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GridExport</name>
    <message>
        <source>The spreadsheet could not be made: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The spreadsheet could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no folder of your own to save it in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not be made: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a symbolic link, so it is not used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>belongs to another user, so it is not used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be made private: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No temporary folder could be made for the spreadsheet: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The spreadsheet made could not be read back: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GridHeading</name>
    <message>
        <source>AppointId</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>InvoiceID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>InvoiceNumber</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VAT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DatePaid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SentOn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ReminderLevel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RemindedOn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ExpenseID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ClientRef</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mileage</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpDocument</name>
    <message>
        <source>it has no %1 column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is damaged and could be read only in part (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a help file: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than the %2 characters a section&apos;s name may have.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text has %1 characters; a section holds at most %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read: there is no such file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help document could not be installed: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpPrint</name>
    <message>
        <source>The help text could not be drawn as a PDF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpTree</name>
    <message>
        <source> Count of &apos;%1&apos; Found in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unfiled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search text not found..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sections below belong under a section that is no longer in the help, or under each other in a circle. They are kept here so that none is lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Help</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Child</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make New Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help File Missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
The sections before the damage are shown. The file is left as it is until you change the help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These help sections are each other&apos;s parents, round in a circle: %1.
They are shown under &quot;Unfiled&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the item you want to find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Billcraft Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not find Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Help as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Billcraft Help: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Node Exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The section %1 is no longer in the help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add New Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select Parent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add New Child</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Choose node to Re-Name </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Name?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Field%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Delete%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The display order must be a whole number, such as 10. Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help File Exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is damaged: only the sections shown could be read from it.
Writing this change keeps those sections and drops the rest of the file. Write it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IdentityLayoutFile</name>
    <message>
        <source>The layout file ends inside the field %1 (at byte %2 of %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a usable layout file. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The layout is not written to %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InvoiceEntry</name>
    <message>
        <source> You must add Some content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> You must add a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Please Select a Client</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is an Invoice Number Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InvoiceList</name>
    <message>
        <source>The database connection is not an SQLite one.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InvoiceListTab</name>
    <message>
        <source>Invoices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right click to edit invoice or left click to view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UnPaid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Bad Debts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company View Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark as UnPaid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark as Paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exclude This Client</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark As Bad Debt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This invoice Has been paid!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Will Delete Invoice %1 proceed ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Invoice Has been PAID Confirm Delete?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Paid?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database reported an error:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match bank statement...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent and Reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send by E-mail...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InvoiceMail</name>
    <message>
        <source>Invoice {number} from {trading name}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dear {client},

Please find attached our invoice {number} of {date} for {total}, due for payment by {due date}.

Thank you for your business.

Kind regards,
{trading name}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no identity %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoice %1.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was sent. Enter what is missing, or send a plain PDF by clearing &quot;Attach e-invoice (Factur-X)&quot; in the e-mail settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the invoice number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the invoice&apos;s date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the invoice&apos;s total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the day payment is due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the client&apos;s company, or name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your trading name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The client&apos;s e-mail address &quot;%1&quot; is not one address such as name@example.com: correct it on the Clients tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The invoice no longer exists.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InvoiceMailing</name>
    <message>
        <source>The message is open in your mail program, but the day it was sent could not be recorded.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InvoicePage</name>
    <message>
        <source>The logo %1 is missing or is not a picture that can be read, so the text logo is printed instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF document cannot be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF document cannot be finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The invoice cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The client of invoice %1 has been deleted, so the invoice cannot be shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This invoice no longer exists: it may have been deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identity %1 has no invoice numbered %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
The text logo is printed instead.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InvoicePdfJob</name>
    <message>
        <source>There is no Billcraft database (%1) in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no identity %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InvoicePreview</name>
    <message>
        <source>Printer Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Invoice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoice page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the invoice (Ctrl+P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the invoice as a PDF file (Ctrl+S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
The invoice is shown with the default layout.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Invoice as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoice %1.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as e-invoice...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the invoice as an e-invoice: Factur-X, XRechnung or UBL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Invoice as E-invoice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoice %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send by E-mail...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send the invoice to the client with your mail program</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InvoiceStore</name>
    <message>
        <source>The starting number %1 is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InvoiceTerms</name>
    <message>
        <source>The identity&apos;s VAT rate %1 cannot be used.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JetConversion</name>
    <message>
        <source>Reading %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the old database...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This data folder holds a database from the earlier Windows program. Convert it to Billcraft&apos;s format? The original is kept as Accounts.jet.mdb.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database could not be converted, and the data folder has been left as it was.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JetFile</name>
    <message>
        <source>reading it took more than %1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it yields more than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its reading was cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: the Jet reader %2 cannot be started (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its reading was stopped at the limit of time or memory, or failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its reading failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read; the file is damaged (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the table %2 cannot be read; the file is damaged (%3).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JetImport</name>
    <message>
        <source>is no %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>amount of money</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes/No value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, Total %1, VAT %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (no %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it lacks the %1 %2, so it is not the database of the earlier Windows program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the table %1 has no column %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, row %2: the column %3 %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, row %2 could not be written: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the file records %2 rows, but %3 could be read; the file is damaged or incomplete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the new database holds %2 rows instead of %3. %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TblInvoices: the invoices&apos; Total or VAT add up to more than an amount can hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TblInvoices: the sums of Total and VAT in the new database differ from the file&apos;s. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new database cannot be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new database cannot be written in %1: there is no space left on the disk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A conversion of %1 was interrupted, and %2 cannot be given its name back: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A conversion of %1 was interrupted, and %2 cannot be removed: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, left by an interrupted conversion, cannot be removed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be kept as %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already holds a database (%2). Billcraft converts only into a data folder without one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already holds %2, the original of an earlier conversion. Move it elsewhere first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new database could not be completed in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new database cannot be saved in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new database cannot be moved into place as %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another Billcraft is converting the books in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data folder %1 cannot be written to.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyRules</name>
    <message>
        <source>There is an error with your date</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageBox</name>
    <message>
        <source>Billcraft will show its texts in this language from its next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The choice could not be kept for the next start: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LayoutDesigner</name>
    <message>
        <source>Invoice Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Header Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Divider Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address As Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Footer Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VAT Registered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VAT Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Align Lefts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Align Rights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip: Left Click to Drag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip: Right Click to edit Label text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip: Shift + Right Click to Use Auto Align</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grab Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grab Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
The designer shows the initial arrangement; the file is left as it is until you save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cant find logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logo %1 is not a picture that can be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The VAT Rate must be a percentage from %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoice Content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>John</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smith</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Client Company Ltd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 High Street</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anytown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AB1 2CD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One of your lables required moving </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All image files (*.bmp *.jpg *.jpeg *.pcx *.gif *.png *.BMP *.JPG *.JPEG *.PCX *.GIF *.PNG)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BMP files (*.bmp *.BMP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG files (*.jpg *.jpeg *.JPG *.JPEG)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIF files (*.gif *.GIF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PCX files (*.pcx *.PCX)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG files (*.png *.PNG)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a picture that can be used as a logo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This date box automatically puts the date in
No text changes will be saved
Although Colours and Fonts will be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logo could not be copied into the books.
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LayoutFiles</name>
    <message>
        <source>The settings of identity %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identity %1 is not in the database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be converted: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no Identity column, so its rows belong to no identity.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has a damaged layout for identity %2. %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identity %1 starts with the default layout; %2 is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identity %1 has no layout file and no row in %2, so its VAT default cannot be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LayoutPreview</name>
    <message>
        <source>Invoice page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LayoutRecord</name>
    <message>
        <source>Its %1 is %2, and a VAT rate is a percentage from %3 to %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its %1 is %2, and a font size is 0 (not set) or from %3 to %4 points.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sub Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VAT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LongWork</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MailLauncher</name>
    <message>
        <source>The address &quot;%1&quot; cannot be given to a mail program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No mail program could be started (%1: %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer has no mail program set up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mail program did not take the message (%1 ended with code %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be shown.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MailSending</name>
    <message>
        <source>%1

The file is saved as %2, so that you can attach it to a message yourself.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MailSettingsDialog</name>
    <message>
        <source>Fields you can use in the subject and message:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attach e-invoice (Factur-X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default wording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-mail settings could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-mail settings could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Keep the database and layout files in &lt;dir&gt; instead of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the invoice numbered &lt;number&gt; as PDF to the --out file and exit, without opening a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert &lt;file&gt;, the Accounts.mdb of the earlier Windows program, into the data folder&apos;s Accounts.mdb and exit, without opening a window. When &lt;file&gt; is the folder&apos;s own Accounts.mdb, it is kept as Accounts.jet.mdb.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write a backup archive of the data folder&apos;s database to &lt;file&gt; (a zip holding Accounts.mdb, as the Back Up button makes) and exit, without opening a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoicing for sole traders and small companies.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--invoice-pdf needs --out FILE, the PDF to write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--identity needs a number, not &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--backup needs FILE, the archive to write, before any other option; &quot;%1&quot; is an option (write ./%1 for a file of that name).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Billcraft could not remove these files, left behind when it was stopped while writing them:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the invoice numbered &lt;number&gt; as an e-invoice in the --format given to the --out file and exit, without opening a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-invoice format --einvoice writes: facturx (a PDF with its XML), xrechnung or ubl.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file --invoice-pdf or --einvoice writes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the received e-invoice &lt;file&gt; (Factur-X / ZUGFeRD PDF, XRechnung or other CII XML, UBL XML), print its seller, number, date, net, VAT and total, one a line, and exit, without opening a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--einvoice needs --out FILE, the file to write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--einvoice needs --format facturx, xrechnung or ubl, not &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the shared books on the PostgreSQL server at &lt;url&gt; (postgresql://user@host:port/dbname?sslmode=...) instead of the data folder&apos;s database. Billcraft keeps no password: libpq&apos;s ~/.pgpass, service file or environment give it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the data folder&apos;s books, with its layouts, logos and help, into the empty server database at &lt;url&gt; and exit, without opening a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--database: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--copy-to: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied %1 to %2 in %3 s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trading identity whose invoice --invoice-pdf or --einvoice writes, or whose unpaid invoices --match-statement matches (default: the lowest-numbered one).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match the credits of the bank statement &lt;file&gt; (camt.053, MT940 or a CSV file of a bank met before) to the identity&apos;s unpaid invoices, print one line per entry (sure, likely, none, debit or done; the invoice numbers or -; the amount; the date; the bank reference) and exit, without opening a window or changing the books.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The trading identities could not be read.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Billcraft version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check For Web Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch Users</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clients</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Invoice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Invoices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoice Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database could not be given its column for client notes, so notes cannot be kept.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Billcraft version %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The web address %1 could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Program.. proceed ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the new identity&apos;s trading details now? Its e-invoices need its legal name, address, VAT number and bank account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trading details...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect to shared books...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - shared books %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail settings...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MakeInvoiceTab</name>
    <message>
        <source>What Starting Invoice Number would You like to use?
Billcraft adds a leading zero to all invoice numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoice numbers were started in another Billcraft window in the meantime, so your starting number was not used: this invoice is number %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have chosen to change the setting for VAT
Do you want this to be the default state for this identity?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Invoice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Client:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ClientID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoice Content (description of goods and services)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add VAT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VAT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Less 18% CIS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The VAT setting could not be saved as the default.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select a Client</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoice Numbers must be Numbers only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The invoice could not be made; nothing was saved.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The invoice could not be saved.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The invoice could not be loaded for editing.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This invoice no longer exists.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MatchStatementWindow</name>
    <message>
        <source>Sure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Likely</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match bank statement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remittance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proposal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay invoice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no invoice)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark accepted paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No credit is accepted: check the ones that pay an invoice, or pick the invoice they pay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoices marked paid: %1, from %2 bank entries.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statement holds no entries.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NewIdentity</name>
    <message>
        <source>The new identity could not be stored: %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Company Name can have at most %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first invoice number can be at most %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database is busy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the identities cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its row cannot be added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was given no usable number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its starting invoice cannot be added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database refused the change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter the Company Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That Identity already exists</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OnlineUpdate</name>
    <message>
        <source>%1 does not hold a revision number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program file %1 is not the user&apos;s to replace.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The signature of %1 does not match it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is revision &quot;%2&quot;, not the newer %3 announced.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageSettings</name>
    <message>
        <source>VAT</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QSQLiteResult</name>
    <message>
        <source>Unable to fetch row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to execute statement</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReceivedExpense</name>
    <message>
        <source>%1, credit note %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, invoice %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReceivedInvoiceWindow</name>
    <message>
        <source>E-invoice %1 from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-invoice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add as expense</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read e-invoice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-invoices (*.xml *.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This invoice is in %1 and your books are in %2. Add its amounts as they are?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The expenses could not be read:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is already an expense &quot;%1&quot; dated %2. Add this invoice again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The expense could not be saved:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReminderLetter</name>
    <message>
        <source>Reminder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second Reminder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final Reminder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dear {client},

According to our records, invoice {number} of {date} for {total} was due for payment on {due date} and has not yet been paid. Perhaps it has been overlooked.

We would be grateful if you could pay {amount due} at your earliest convenience. If you have already paid, please disregard this letter.

Kind regards,
{trading name}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dear {client},

Invoice {number} of {date} for {total}, due for payment on {due date}, remains unpaid despite our first reminder.

Please pay {amount due} within seven days of the date of this letter.

Yours sincerely,
{trading name}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dear {client},

Despite our earlier reminders, invoice {number} of {date} for {total}, due for payment on {due date}, remains unpaid.

This is our final reminder. Unless we receive {amount due} within seven days of the date of this letter, we will take further steps to recover the debt without further notice.

Yours faithfully,
{trading name}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoice Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder Fee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount Due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoice %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fee added to the invoice total is too large to be printed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReminderSettingsDialog</name>
    <message>
        <source>Reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fields: {number} {date} {due date} {total} {fee} {amount due} {trading name} {client}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fee of the %1 is not an amount of money.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReminderWindow</name>
    <message>
        <source>Print Reminder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send by E-mail...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
The reminder is printed with the default layout.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder: invoice %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fee is not an amount of money between 0 and %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reminder could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Reminder as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: invoice %2 from %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reminder was made, but the invoice could not record it:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>There is no identity %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The invoice no longer exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A reminder fee must be between 0 and %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportsTab</name>
    <message>
        <source>Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get The VAT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get Expenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VAT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The date of the first invoice could not be read, so the years offered begin with %1.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The paid invoices could not be read:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The expenses could not be read:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>there is no space left on the disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServerAddress</name>
    <message>
        <source>&quot;%1&quot; is not the address of shared books. Write it as postgresql://user@server:5432/books</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Billcraft keeps no passwords: take the password out of the address and put it in ~/.pgpass (or the PGPASSWORD variable).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no single database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; in the address is not one Billcraft passes to the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; in the address holds a character that cannot be passed on.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServerBackup</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shared books are not open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--backup needs FILE, the archive to write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds more than %2 files beside the database: it is not a Billcraft backup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing has been changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n other seat(s) are connected to the shared books at %1. A restore replaces everything they work on: ask them to close Billcraft, then restore again.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SharedBooks</name>
    <message>
        <source>%1

Try again, use this computer&apos;s data folder instead, or quit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Data Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--database %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shared books remembered for this user (%1) cannot be used: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SharedBooksDialog</name>
    <message>
        <source>Connect to shared books</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Billcraft keeps no password: the server&apos;s password is read from ~/.pgpass, a PostgreSQL service file or the PGPASSWORD setting. The choice takes effect when Billcraft next starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use this computer&apos;s data folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shared books %1 can be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Billcraft opens the shared books %1 from its next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Billcraft opens the books in this computer&apos;s data folder from its next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The choice could not be kept for the next start: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SharedFiles</name>
    <message>
        <source>%1 in the shared books</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the name of a file the books keep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: it is too large (%2 bytes).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: it is not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be saved: it would be too large (%2 bytes).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be saved: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The files cannot be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
%1 could not be put back as it was: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be removed: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatementFiles</name>
    <message>
        <source>an entry is larger or deeper than a statement&apos;s entries are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the XML declares entities, which statements have none of.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an entry&apos;s amount &quot;%1&quot; is no amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an entry&apos;s date &quot;%1&quot; is no date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an entry has no booking date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an entry is neither a credit nor a debit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is XML but no camt.053 statement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is camt.053 version %1, which Billcraft does not read (it reads versions 02 to 08).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the XML declares a DTD, which statements have none of.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the XML nests its elements deeper than a statement does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its XML is damaged at line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the camt.053 document holds no statement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has %1 columns where the bank&apos;s mapping reads %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its date &quot;%1&quot; is no date written %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its amount &quot;%1&quot; is no amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a quoted field is never closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file has no header line %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1 after the header: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the :61: line &quot;%1&quot; is damaged: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no date and credit or debit mark.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its date is impossible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its amount is no amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the balance &quot;:%1:%2&quot; names no currency.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no MT940 statement (no :20: field).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a CSV file of a bank whose columns are not known yet: open it once in the window to set its columns.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than %L1 MB, more than a statement holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has more than %L1 entries, more than Billcraft reads.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatementMatch</name>
    <message>
        <source>Money paid out, not a payment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matched when this statement was read before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The same bank reference comes earlier in this statement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paid in %1; the invoices are in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoice %1 is proposed for an earlier credit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partial payment of invoice %1 (total %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The amount is not the total of invoice %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 unpaid invoices have this amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The invoice of this amount is proposed for another credit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No unpaid invoice has this amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was marked paid; match the statement again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bank entry %1 has been matched already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoice %1 has been marked paid meanwhile.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatementMatchJob</name>
    <message>
        <source>There is no identity %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no Billcraft database (%1) in %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatementOpening</name>
    <message>
        <source>The bank&apos;s columns could not be remembered: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match bank statement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank statements (*.xml *.sta *.mt940 *.txt *.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>camt.053 (*.xml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MT940 (*.sta *.mt940 *.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StyleEditor</name>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Font Colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Border Style (viewable in preview mode not layout mode)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SwitchIdentitiesDialog</name>
    <message>
        <source>Switch Identities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select Identity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Identity</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TradingDetails</name>
    <message>
        <source>There is no identity %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TradingDetailsDialog</name>
    <message>
        <source>Trading details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legal name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VAT number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tax number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Town</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postcode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IBAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BIC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment due after (days)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trading details could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trading details could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>en</source>
        <extracomment>The ISO 639-1 code of the language of this catalogue: &quot;de&quot; in the German one.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateCommand</name>
    <message>
        <source>Web Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Billcraft was installed by the system&apos;s package manager, which updates it. Nothing was downloaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Billcraft cannot update itself: you may not replace the program file %1. Nothing was downloaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check if Updates are available from %1 ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have the most up to date Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>updates are available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New file installed
Please restart application for new updates to take effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update could not be installed; the program is unchanged.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error occured connecting to %1
Please ensure you are connected to the Internet before trying again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateFetcher</name>
    <message>
        <source>%1 is larger than %2 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 did not arrive within %2 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sent nothing for %2 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 answered %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateInstaller</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The earlier copy %1 cannot be removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user; Billcraft does not write into it. Remove it and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be examined: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a symbolic link; Billcraft does not write through it. Remove the link and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder. Remove it and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was written, but it could not be flushed to disk: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No temporary folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program file %1 was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new program cannot be put in place of %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZipArchive</name>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a readable zip archive: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: it could not be flushed to disk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was written, but it could not be flushed to disk: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: its folder does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not hold %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds %2 more than once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds %2 under a folder name (&quot;%3&quot;); it is not extracted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds %2 encrypted; it cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds %2 in a compression this program cannot read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 says %2 is %3 bytes, more than the %4 bytes allowed or free; it is not extracted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds more of %2 than it says (over %3 bytes); it is not extracted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extracting %1 was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is damaged: %2 ends after %3 of %4 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a plain file name.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
