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
        <source>The help document could not be installed as %1: %2</source>
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
        <source>Help.set is damaged: only the sections shown could be read from it.
Writing this change keeps those sections and drops the rest of the file. Write it anyway?</source>
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
</context>
<context>
    <name>KeyRules</name>
    <message>
        <source>There is an error with your date</source>
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
    <name>NewIdentity</name>
    <message>
        <source>The new identity could not be stored: %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
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
    <name>VatReport</name>
    <message>
        <source>The database connection is not an SQLite one.</source>
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
