<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>AddExpenseDialog</name>
    <message>
        <source>Add Expense</source>
        <translation>Nouvelle dépense</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Client Ref</source>
        <translation>Réf. client</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Mileage</source>
        <translation>Kilométrage</translation>
    </message>
    <message>
        <source>Mileage Rate</source>
        <translation>Taux kilométrique</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The expense could not be saved:
%1</source>
        <translation>La dépense n&apos;a pas pu être enregistrée :
%1</translation>
    </message>
    <message>
        <source>You must enter a Date</source>
        <translation>Vous devez saisir une date</translation>
    </message>
    <message>
        <source>Your Date is incorrect!</source>
        <translation>Votre date est incorrecte !</translation>
    </message>
    <message>
        <source>You must enter a Value</source>
        <translation>Vous devez saisir un montant</translation>
    </message>
    <message>
        <source>Your Value is incorrect!</source>
        <translation>Votre montant est incorrect !</translation>
    </message>
    <message>
        <source>Your Mileage is incorrect!</source>
        <translation>Votre kilométrage est incorrect !</translation>
    </message>
    <message>
        <source>Your Mileage Rate is incorrect!</source>
        <translation>Votre taux kilométrique est incorrect !</translation>
    </message>
    <message>
        <source>Your VAT is incorrect!</source>
        <translation>Votre TVA est incorrecte !</translation>
    </message>
</context>
<context>
    <name>AddIdentityDialog</name>
    <message>
        <source>Add Identity</source>
        <translation>Nouvelle identité</translation>
    </message>
    <message>
        <source>Add New Identity Name (Company Name)</source>
        <translation>Nom de la nouvelle identité (raison sociale)</translation>
    </message>
    <message>
        <source>Enter the Invoice number you want on your first invoice</source>
        <translation>Saisissez le numéro de votre première facture</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>AdtgText</name>
    <message>
        <source>%1 at offset 0x%2</source>
        <translation>%1 à l&apos;offset 0x%2</translation>
    </message>
    <message>
        <source>truncated %1</source>
        <translation>%1 tronqué</translation>
    </message>
    <message>
        <source>truncated column descriptor %1 (%2 bytes, %3 left)</source>
        <translation>descripteur de colonne %1 tronqué (%2 octets, %3 restants)</translation>
    </message>
    <message>
        <source> (column %1)</source>
        <translation> (colonne %1)</translation>
    </message>
    <message>
        <source>column %1 (%2) has the unsupported type %3</source>
        <translation>la colonne %1 (%2) a le type non pris en charge %3</translation>
    </message>
    <message>
        <source>column %1 (%2) has no width</source>
        <translation>la colonne %1 (%2) n&apos;a pas de largeur</translation>
    </message>
    <message>
        <source>truncated result descriptor</source>
        <translation>descripteur de résultat tronqué</translation>
    </message>
    <message>
        <source>result descriptor too short (%1 bytes)</source>
        <translation>descripteur de résultat trop court (%1 octets)</translation>
    </message>
    <message>
        <source>not an ADTG file: the file is empty</source>
        <translation>pas un fichier ADTG : le fichier est vide</translation>
    </message>
    <message>
        <source>not an ADTG file: no header</source>
        <translation>pas un fichier ADTG : aucun en-tête</translation>
    </message>
    <message>
        <source>not an ADTG file: wrong signature</source>
        <translation>pas un fichier ADTG : signature incorrecte</translation>
    </message>
    <message>
        <source>the file ends before its column descriptors</source>
        <translation>le fichier se termine avant ses descripteurs de colonnes</translation>
    </message>
    <message>
        <source>a second result descriptor (a hierarchical recordset, which is not supported)</source>
        <translation>un second descripteur de résultat (un jeu d&apos;enregistrements hiérarchique, non pris en charge)</translation>
    </message>
    <message>
        <source>truncated descriptor 0x%1</source>
        <translation>descripteur 0x%1 tronqué</translation>
    </message>
    <message>
        <source>unexpected token 0x%1 before the column descriptors</source>
        <translation>jeton 0x%1 inattendu avant les descripteurs de colonnes</translation>
    </message>
    <message>
        <source>no result descriptor before the column descriptors</source>
        <translation>aucun descripteur de résultat avant les descripteurs de colonnes</translation>
    </message>
    <message>
        <source>the result descriptor counts no columns</source>
        <translation>le descripteur de résultat ne compte aucune colonne</translation>
    </message>
    <message>
        <source>%1 visible columns of %2 in all</source>
        <translation>%1 colonnes visibles sur %2 au total</translation>
    </message>
    <message>
        <source>a column count of %1 is more than the file can hold</source>
        <translation>un nombre de colonnes de %1 dépasse ce que le fichier peut contenir</translation>
    </message>
    <message>
        <source>the file ends before column descriptor %1 of %2</source>
        <translation>le fichier se termine avant le descripteur de colonne %1 sur %2</translation>
    </message>
    <message>
        <source>column descriptor %1 of %2 expected, found token 0x%3</source>
        <translation>descripteur de colonne %1 sur %2 attendu, jeton 0x%3 trouvé</translation>
    </message>
    <message>
        <source>a row count of %1 is more than the file can hold</source>
        <translation>un nombre de lignes de %1 dépasse ce que le fichier peut contenir</translation>
    </message>
    <message>
        <source>a table of %1 rows of %2 columns is too large</source>
        <translation>une table de %1 lignes sur %2 colonnes est trop grande</translation>
    </message>
    <message>
        <source>the file ends without its end mark</source>
        <translation>le fichier se termine sans sa marque de fin</translation>
    </message>
    <message>
        <source> in the row at offset 0x%1</source>
        <translation> dans la ligne à l&apos;offset 0x%1</translation>
    </message>
    <message>
        <source>%1 bytes after the end mark</source>
        <translation>%1 octets après la marque de fin</translation>
    </message>
    <message>
        <source>more rows than the %1 the file counts</source>
        <translation>plus de lignes que les %1 que le fichier annonce</translation>
    </message>
    <message>
        <source>a change without the row it changes</source>
        <translation>une modification sans la ligne qu&apos;elle modifie</translation>
    </message>
    <message>
        <source>a deletion without the row it deletes</source>
        <translation>une suppression sans la ligne qu&apos;elle supprime</translation>
    </message>
    <message>
        <source>unknown row token 0x%1</source>
        <translation>jeton de ligne inconnu 0x%1</translation>
    </message>
    <message>
        <source>the file is too large (%1 bytes) for a table</source>
        <translation>le fichier est trop volumineux (%1 octets) pour une table</translation>
    </message>
    <message>
        <source>the file is too large for a table</source>
        <translation>le fichier est trop volumineux pour une table</translation>
    </message>
    <message>
        <source>a value of %1 bytes runs past the end</source>
        <translation>une valeur de %1 octets dépasse la fin</translation>
    </message>
    <message>
        <source>a string of an odd byte count (%1)</source>
        <translation>une chaîne d&apos;un nombre impair d&apos;octets (%1)</translation>
    </message>
    <message>
        <source>an 8-bit integer</source>
        <translation>un entier 8 bits</translation>
    </message>
    <message>
        <source>an unsigned 8-bit integer</source>
        <translation>un entier 8 bits non signé</translation>
    </message>
    <message>
        <source>a 16-bit integer</source>
        <translation>un entier 16 bits</translation>
    </message>
    <message>
        <source>an unsigned 16-bit integer</source>
        <translation>un entier 16 bits non signé</translation>
    </message>
    <message>
        <source>a 32-bit integer</source>
        <translation>un entier 32 bits</translation>
    </message>
    <message>
        <source>an unsigned 32-bit integer</source>
        <translation>un entier 32 bits non signé</translation>
    </message>
    <message>
        <source>a 64-bit integer</source>
        <translation>un entier 64 bits</translation>
    </message>
    <message>
        <source>%1 is not %2</source>
        <translation>%1 n&apos;est pas %2</translation>
    </message>
    <message>
        <source>a value of %1 bytes is wider than the column&apos;s %2</source>
        <translation>une valeur de %1 octets est plus large que les %2 de la colonne</translation>
    </message>
    <message>
        <source>a value of %1 bytes is longer than a one-byte length counts</source>
        <translation>une valeur de %1 octets dépasse ce qu&apos;une longueur sur un octet peut compter</translation>
    </message>
    <message>
        <source>a value of %1 bytes is longer than a four-byte length counts</source>
        <translation>une valeur de %1 octets dépasse ce qu&apos;une longueur sur quatre octets peut compter</translation>
    </message>
    <message>
        <source>an unsigned 64-bit integer</source>
        <translation>un entier 64 bits non signé</translation>
    </message>
    <message>
        <source>a date</source>
        <translation>une date</translation>
    </message>
    <message>
        <source>a GUID</source>
        <translation>un GUID</translation>
    </message>
    <message>
        <source>a time of day</source>
        <translation>une heure</translation>
    </message>
    <message>
        <source>a date and time</source>
        <translation>une date et heure</translation>
    </message>
    <message>
        <source>a currency amount</source>
        <translation>un montant monétaire</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un nombre</translation>
    </message>
    <message>
        <source>within the range of a single</source>
        <translation>dans la plage d&apos;un réel simple précision</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a character that Windows-1252 has not</source>
        <translation>« %1 » contient un caractère absent de Windows-1252</translation>
    </message>
    <message>
        <source>the column type %1 cannot be written</source>
        <translation>le type de colonne %1 ne peut pas être écrit</translation>
    </message>
    <message>
        <source>a table of %1 columns; a file holds 65535 at most</source>
        <translation>une table de %1 colonnes ; un fichier en contient 65535 au plus</translation>
    </message>
    <message>
        <source>a table of %1 rows is too long</source>
        <translation>une table de %1 lignes est trop longue</translation>
    </message>
    <message>
        <source>the name of column %1 (%2 characters) is too long</source>
        <translation>le nom de la colonne %1 (%2 caractères) est trop long</translation>
    </message>
    <message>
        <source>Row %1, column %2: %3</source>
        <translation>Ligne %1, colonne %2 : %3</translation>
    </message>
</context>
<context>
    <name>AlertsWindow</name>
    <message>
        <source>Alerts</source>
        <translation>Alertes</translation>
    </message>
    <message>
        <source>%1 Invoice %2 to %3 for %4 is overdue</source>
        <translation>%1 Facture %2 à %3 (%4) : paiement en retard</translation>
    </message>
    <message>
        <source>Remind Me Next Time</source>
        <translation>Me le rappeler la prochaine fois</translation>
    </message>
    <message>
        <source>Never Show This Alert Again</source>
        <translation>Ne plus afficher cette alerte</translation>
    </message>
    <message>
        <source>Cancel Alert</source>
        <translation>Annuler l&apos;alerte</translation>
    </message>
    <message>
        <source>Please Select an Alert to work with</source>
        <translation>Veuillez sélectionner une alerte à traiter</translation>
    </message>
    <message>
        <source>This appointment has been deleted.</source>
        <translation>Ce rendez-vous a été supprimé.</translation>
    </message>
    <message>
        <source>The database reported an error:
%1</source>
        <translation>La base de données a signalé une erreur :
%1</translation>
    </message>
</context>
<context>
    <name>AppointmentDialog</name>
    <message>
        <source>You have not added any details</source>
        <translation>Vous n&apos;avez saisi aucun détail</translation>
    </message>
    <message>
        <source>You already have An Appointment
For the selected Date and Time</source>
        <translation>Vous avez déjà un rendez-vous
à la date et à l&apos;heure choisies</translation>
    </message>
    <message>
        <source>This appointment has been deleted since this window was opened, so it cannot be updated.</source>
        <translation>Ce rendez-vous a été supprimé depuis l&apos;ouverture de cette fenêtre ; il ne peut donc pas être modifié.</translation>
    </message>
    <message>
        <source>The details can be at most %1 characters long; these are %2. Please shorten them.</source>
        <translation>Les détails peuvent compter au plus %1 caractères ; ceux-ci en comptent %2. Veuillez les raccourcir.</translation>
    </message>
    <message>
        <source>Add Appointment</source>
        <translation>Nouveau rendez-vous</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time (24 hrs)</source>
        <translation>Heure (24 h)</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Set an Alert </source>
        <translation>Créer une alerte </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Edit Appointment</source>
        <translation>Modifier le rendez-vous</translation>
    </message>
    <message>
        <source>The database reported an error:
%1</source>
        <translation>La base de données a signalé une erreur :
%1</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <source>cancelled.</source>
        <translation>annulé.</translation>
    </message>
    <message>
        <source>A reference database cannot be made: %1</source>
        <translation>Une base de référence ne peut pas être créée : %1</translation>
    </message>
    <message>
        <source>%1 is the database itself; a backup needs a file of its own.</source>
        <translation>%1 est la base de données elle-même ; une sauvegarde a besoin de son propre fichier.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: the database could not be copied: %2</source>
        <translation>%1 ne peut pas être écrit : la base de données n&apos;a pas pu être copiée : %2</translation>
    </message>
    <message>
        <source>%1 cannot be kept as %2: %3; it has not been replaced.</source>
        <translation>%1 ne peut pas être conservé sous %2 : %3 ; il n&apos;a pas été remplacé.</translation>
    </message>
    <message>
        <source>The database is not open.</source>
        <translation>La base de données n&apos;est pas ouverte.</translation>
    </message>
    <message>
        <source>--backup needs FILE, the archive to write.</source>
        <translation>--backup attend FILE, l&apos;archive à écrire.</translation>
    </message>
    <message>
        <source>There is no Billcraft database (%1) in %2.</source>
        <translation>Il n&apos;y a pas de base de données Billcraft (%1) dans %2.</translation>
    </message>
    <message>
        <source>%1 is not a Billcraft database</source>
        <translation>%1 n&apos;est pas une base de données Billcraft</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1: it has no table %2.</source>
        <translation>%1 : il n&apos;a pas de table %2.</translation>
    </message>
    <message>
        <source>The earlier copy %1 cannot be removed.</source>
        <translation>La copie précédente %1 ne peut pas être supprimée.</translation>
    </message>
    <message>
        <source>%1 is not an SQLite database.</source>
        <translation>%1 n&apos;est pas une base de données SQLite.</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 est endommagé : %2</translation>
    </message>
    <message>
        <source>%1 is not a Billcraft database: it has no table %2.</source>
        <translation>%1 n&apos;est pas une base de données Billcraft : il n&apos;a pas de table %2.</translation>
    </message>
    <message>
        <source>%1 is not a Billcraft database: the table %2 has no column %3.</source>
        <translation>%1 n&apos;est pas une base de données Billcraft : la table %2 n&apos;a pas de colonne %3.</translation>
    </message>
    <message>
        <source>%1 cannot be locked: %2</source>
        <translation>%1 ne peut pas être verrouillé : %2</translation>
    </message>
    <message>
        <source>%1 is still open in another program; it has not been replaced.</source>
        <translation>%1 est encore ouvert dans un autre programme ; il n&apos;a pas été remplacé.</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation>%1 ne peut pas être remplacé : %2</translation>
    </message>
    <message>
        <source>%1 was replaced, but the change could not be flushed to disk: %2</source>
        <translation>%1 a été remplacé, mais la modification n&apos;a pas pu être écrite sur le disque : %2</translation>
    </message>
</context>
<context>
    <name>BackupRestore</name>
    <message>
        <source>All Back Up files (*.bak *.BAK)</source>
        <translation>Toutes les sauvegardes (*.bak *.BAK)</translation>
    </message>
    <message>
        <source>bak files (*.bak *.BAK)</source>
        <translation>Fichiers bak (*.bak *.BAK)</translation>
    </message>
    <message>
        <source>Backing up the data file...</source>
        <translation>Sauvegarde du fichier de données...</translation>
    </message>
    <message>
        <source>All Bak files (*.bak *.BAK)</source>
        <translation>Tous les fichiers bak (*.bak *.BAK)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Reading the back up...</source>
        <translation>Lecture de la sauvegarde...</translation>
    </message>
    <message>
        <source>Back Up DataFile ?</source>
        <translation>Sauvegarder le fichier de données ?</translation>
    </message>
    <message>
        <source>Back Up ?</source>
        <translation>Sauvegarder ?</translation>
    </message>
    <message>
        <source>Back Data file</source>
        <translation>Sauvegarde des données</translation>
    </message>
    <message>
        <source>File Backed Up</source>
        <translation>Fichier sauvegardé</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>The back up was not made.
</source>
        <translation>La sauvegarde n&apos;a pas été effectuée.
</translation>
    </message>
    <message>
        <source>Restore DataFile ?</source>
        <translation>Restaurer le fichier de données ?</translation>
    </message>
    <message>
        <source>Restore ?</source>
        <translation>Restaurer ?</translation>
    </message>
    <message>
        <source>Restore DataFile</source>
        <translation>Restaurer les données</translation>
    </message>
    <message>
        <source>File Restore Error</source>
        <translation>Erreur de restauration</translation>
    </message>
    <message>
        <source>File restore Failed The back up is invalid
Returning to existing Data file</source>
        <translation>Échec de la restauration : la sauvegarde n&apos;est pas valide
Retour au fichier de données existant</translation>
    </message>
    <message>
        <source>File Sucessfully Restored</source>
        <translation>Fichier restauré avec succès</translation>
    </message>
    <message>
        <source>
The data file it replaced is kept as %1</source>
        <translation>
Le fichier de données remplacé est conservé sous %1</translation>
    </message>
    <message>
        <source>The back up was proved sound but could not replace the data file:
%1
Returning to existing Data file</source>
        <translation>La sauvegarde a été vérifiée mais n&apos;a pas pu remplacer le fichier de données :
%1
Retour au fichier de données existant</translation>
    </message>
    <message>
        <source>The data file could not be opened again:
%1
Close Billcraft and start it again.</source>
        <translation>Le fichier de données n&apos;a pas pu être rouvert :
%1
Fermez Billcraft et relancez-le.</translation>
    </message>
    <message numerus="yes">
        <source>%n other seat(s) are connected to the shared books. A restore replaces everything they work on: ask them to close Billcraft, then restore again.</source>
        <translation>
            <numerusform>%n autre poste est connecté à la comptabilité partagée. Une restauration remplace tout ce sur quoi il travaille : demandez-lui de fermer Billcraft, puis relancez la restauration.</numerusform>
            <numerusform>%n autres postes sont connectés à la comptabilité partagée. Une restauration remplace tout ce sur quoi ils travaillent : demandez-leur de fermer Billcraft, puis relancez la restauration.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BookCopy</name>
    <message>
        <source>the table %1 cannot be read</source>
        <translation>la table %1 ne peut pas être lue</translation>
    </message>
    <message>
        <source>the column %1 of %2 has no place in %3</source>
        <translation>la colonne %1 de %2 n&apos;a pas sa place dans %3</translation>
    </message>
    <message>
        <source>%1 is not open</source>
        <translation>%1 n&apos;est pas ouvert</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>%1: %2 in %3 but %4 in %5</source>
        <translation>%1 : %2 dans %3 mais %4 dans %5</translation>
    </message>
    <message>
        <source>rows of %1</source>
        <translation>lignes de %1</translation>
    </message>
    <message>
        <source>sum of the invoices&apos; Total</source>
        <translation>somme des totaux des factures</translation>
    </message>
    <message>
        <source>sum of the invoices&apos; VAT</source>
        <translation>somme de la TVA des factures</translation>
    </message>
    <message>
        <source>sum of the invoices&apos; Value</source>
        <translation>somme des montants des factures</translation>
    </message>
    <message>
        <source>sum of the expenses&apos; Value</source>
        <translation>somme des montants des dépenses</translation>
    </message>
    <message>
        <source>sum of the expenses&apos; VAT</source>
        <translation>somme de la TVA des dépenses</translation>
    </message>
    <message>
        <source>Identity %1 (%2) has %3 invoices numbered &quot;%4&quot;; shared books allow one. Renumber all but one of them, then copy again.</source>
        <translation>L&apos;identité %1 (%2) a %3 factures numérotées « %4 » ; la comptabilité partagée n&apos;en admet qu&apos;une. Renumérotez-les toutes sauf une, puis relancez la copie.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1 cannot be copied to %2: %3</source>
        <translation>%1 ne peut pas être copié vers %2 : %3</translation>
    </message>
    <message>
        <source>The copy does not match its source, so nothing has been copied:
%1</source>
        <translation>La copie ne correspond pas à sa source ; rien n&apos;a donc été copié :
%1</translation>
    </message>
    <message>
        <source>There is no Billcraft database (%1) in %2.</source>
        <translation>Il n&apos;y a pas de base de données Billcraft (%1) dans %2.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>The database %1 already holds books (rows in %2); a copy needs an empty database. Nothing has been changed.</source>
        <translation>La base de données %1 contient déjà une comptabilité (lignes dans %2) ; une copie exige une base vide. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Nothing has been copied: %1</source>
        <translation>Rien n&apos;a été copié : %1</translation>
    </message>
    <message>
        <source>a value is stored as bytes, not as text or a number</source>
        <translation>une valeur est stockée en octets, et non en texte ou en nombre</translation>
    </message>
    <message>
        <source>a text holds the character U+0000, which the server cannot keep</source>
        <translation>un texte contient le caractère U+0000, que le serveur ne peut pas conserver</translation>
    </message>
    <message>
        <source>the server sent a row that cannot be read</source>
        <translation>le serveur a envoyé une ligne illisible</translation>
    </message>
</context>
<context>
    <name>BusinessIds</name>
    <message>
        <source>U and 8 digits</source>
        <translation>U et 8 chiffres</translation>
    </message>
    <message>
        <source>10 digits, the first 0 or 1</source>
        <translation>10 chiffres, le premier étant 0 ou 1</translation>
    </message>
    <message>
        <source>9 or 10 digits</source>
        <translation>9 ou 10 chiffres</translation>
    </message>
    <message>
        <source>8 digits and a letter</source>
        <translation>8 chiffres et une lettre</translation>
    </message>
    <message>
        <source>8 to 10 digits</source>
        <translation>8 à 10 chiffres</translation>
    </message>
    <message>
        <source>9 digits</source>
        <translation>9 chiffres</translation>
    </message>
    <message>
        <source>8 digits</source>
        <translation>8 chiffres</translation>
    </message>
    <message>
        <source>9 characters, 7 digits between a letter or digit each</source>
        <translation>9 caractères : 7 chiffres entre deux lettres ou chiffres</translation>
    </message>
    <message>
        <source>2 letters or digits and 9 digits</source>
        <translation>2 lettres ou chiffres et 9 chiffres</translation>
    </message>
    <message>
        <source>11 digits</source>
        <translation>11 chiffres</translation>
    </message>
    <message>
        <source>7 digits (the second may be a letter) and 1 or 2 letters</source>
        <translation>7 chiffres (le deuxième peut être une lettre) et 1 ou 2 lettres</translation>
    </message>
    <message>
        <source>9 or 12 digits</source>
        <translation>9 ou 12 chiffres</translation>
    </message>
    <message>
        <source>9 digits, B and 2 digits</source>
        <translation>9 chiffres, B et 2 chiffres</translation>
    </message>
    <message>
        <source>10 digits</source>
        <translation>10 chiffres</translation>
    </message>
    <message>
        <source>2 to 10 digits</source>
        <translation>2 à 10 chiffres</translation>
    </message>
    <message>
        <source>12 digits ending in 01</source>
        <translation>12 chiffres se terminant par 01</translation>
    </message>
    <message>
        <source>9 or 12 digits, or GD or HA and 3 digits</source>
        <translation>9 ou 12 chiffres, ou GD ou HA et 3 chiffres</translation>
    </message>
    <message>
        <source>E, 9 digits and MWST, TVA or IVA</source>
        <translation>E, 9 chiffres et MWST, TVA ou IVA</translation>
    </message>
    <message>
        <source>9 digits and MVA</source>
        <translation>9 chiffres et MVA</translation>
    </message>
    <message>
        <source>2 to 13 letters or digits</source>
        <translation>2 à 13 lettres ou chiffres</translation>
    </message>
    <message>
        <source>An IBAN holds only letters and digits: &quot;%1&quot; does not.</source>
        <translation>Un IBAN ne contient que des lettres et des chiffres : ce n&apos;est pas le cas de « %1 ».</translation>
    </message>
    <message>
        <source>An IBAN begins with its country&apos;s two letters and two check digits: &quot;%1&quot; does not.</source>
        <translation>Un IBAN commence par les deux lettres de son pays et deux chiffres de contrôle : ce n&apos;est pas le cas de « %1 ».</translation>
    </message>
    <message>
        <source>The IBAN begins with &quot;%1&quot;, which is no country&apos;s code.</source>
        <translation>L&apos;IBAN commence par « %1 », qui n&apos;est le code d&apos;aucun pays.</translation>
    </message>
    <message>
        <source>An IBAN of %1 has %2 characters; this one has %3.</source>
        <translation>Un IBAN de %1 compte %2 caractères ; celui-ci en compte %3.</translation>
    </message>
    <message>
        <source>An IBAN has 15 to 34 characters; this one has %1.</source>
        <translation>Un IBAN compte de 15 à 34 caractères ; celui-ci en compte %1.</translation>
    </message>
    <message>
        <source>The IBAN&apos;s check digits are wrong: check it against your bank statement.</source>
        <translation>Les chiffres de contrôle de l&apos;IBAN sont faux : vérifiez-le sur votre relevé bancaire.</translation>
    </message>
    <message>
        <source>A BIC has 8 or 11 characters; this one has %1.</source>
        <translation>Un BIC compte 8 ou 11 caractères ; celui-ci en compte %1.</translation>
    </message>
    <message>
        <source>A BIC begins with four letters for the bank: &quot;%1&quot; does not.</source>
        <translation>Un BIC commence par quatre lettres désignant la banque : ce n&apos;est pas le cas de « %1 ».</translation>
    </message>
    <message>
        <source>A BIC&apos;s fifth and sixth characters are its country: &quot;%1&quot; is no country&apos;s code.</source>
        <translation>Les cinquième et sixième caractères d&apos;un BIC désignent son pays : « %1 » n&apos;est le code d&apos;aucun pays.</translation>
    </message>
    <message>
        <source>After its country a BIC holds only letters and digits: &quot;%1&quot; does not.</source>
        <translation>Après le pays, un BIC ne contient que des lettres et des chiffres : ce n&apos;est pas le cas de « %1 ».</translation>
    </message>
    <message>
        <source>A VAT number begins with its country&apos;s two letters (DE, FR, EL...): &quot;%1&quot; does not.</source>
        <translation>Un numéro de TVA intracommunautaire commence par les deux lettres de son pays (DE, FR, EL...) : ce n&apos;est pas le cas de « %1 ».</translation>
    </message>
    <message>
        <source>Greek VAT numbers begin with EL, not GR.</source>
        <translation>Les numéros de TVA grecs commencent par EL, et non par GR.</translation>
    </message>
    <message>
        <source>The VAT number begins with &quot;%1&quot;, which is no country&apos;s code.</source>
        <translation>Le numéro de TVA intracommunautaire commence par « %1 », qui n&apos;est le code d&apos;aucun pays.</translation>
    </message>
    <message>
        <source>A VAT number of %1 is %2 followed by %3: &quot;%4&quot; is not.</source>
        <translation>Un numéro de TVA de %1 se compose de %2 suivi de %3 : ce n&apos;est pas le cas de « %4 ».</translation>
    </message>
    <message>
        <source>The VAT number &quot;%1&quot; is of %2, but the country is %3.</source>
        <translation>Le numéro de TVA « %1 » est celui de %2, mais le pays est %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a country code.</source>
        <translation>« %1 » n&apos;est pas un code pays.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an e-mail address: it needs the form name@example.com, without blanks.</source>
        <translation>« %1 » n&apos;est pas une adresse e-mail : elle doit avoir la forme nom@example.com, sans espaces.</translation>
    </message>
</context>
<context>
    <name>BuyerDetails</name>
    <message>
        <source>The client no longer exists.</source>
        <translation>Le client n&apos;existe plus.</translation>
    </message>
</context>
<context>
    <name>BuyerDetailsDialog</name>
    <message>
        <source>E-invoice details</source>
        <translation>Données de facture électronique</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>VAT number</source>
        <translation>N° de TVA</translation>
    </message>
    <message>
        <source>E-invoice address</source>
        <translation>Adresse électronique de facturation</translation>
    </message>
    <message>
        <source>Buyer reference (Leitweg-ID)</source>
        <translation>Réf. acheteur (Leitweg-ID)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The e-invoice details could not be saved.</source>
        <translation>Les données de facture électronique n&apos;ont pas pu être enregistrées.</translation>
    </message>
    <message>
        <source>The client no longer exists.</source>
        <translation>Le client n&apos;existe plus.</translation>
    </message>
    <message>
        <source>The e-invoice details could not be read.</source>
        <translation>Les données de facture électronique n&apos;ont pas pu être lues.</translation>
    </message>
</context>
<context>
    <name>Calculator</name>
    <message>
        <source>Cannot divide by zero</source>
        <translation>Division par zéro impossible</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
</context>
<context>
    <name>CalculatorWindow</name>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
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
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Add Appointment</source>
        <translation>Nouveau rendez-vous</translation>
    </message>
    <message>
        <source>View Appointments</source>
        <translation>Voir les rendez-vous</translation>
    </message>
    <message>
        <source>All Appointments</source>
        <translation>Tous les rendez-vous</translation>
    </message>
    <message>
        <source>Right click to edit appointments</source>
        <translation>Clic droit pour modifier les rendez-vous</translation>
    </message>
    <message>
        <source>Appointments</source>
        <translation>Rendez-vous</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Exit Menu</source>
        <translation>Quitter le menu</translation>
    </message>
    <message>
        <source>No Appointments</source>
        <translation>Aucun rendez-vous</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>This appointment has been deleted.</source>
        <translation>Ce rendez-vous a été supprimé.</translation>
    </message>
    <message>
        <source>This Will Delete %1 proceed ?</source>
        <translation>Ceci va supprimer %1. Continuer ?</translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation>Supprimer ?</translation>
    </message>
    <message>
        <source>You have no appointments</source>
        <translation>Vous n&apos;avez aucun rendez-vous</translation>
    </message>
    <message>
        <source>The database reported an error:
%1</source>
        <translation>La base de données a signalé une erreur :
%1</translation>
    </message>
</context>
<context>
    <name>ClientDropDown</name>
    <message>
        <source>The client list could not be read.
</source>
        <translation>La liste des clients n&apos;a pas pu être lue.
</translation>
    </message>
    <message>
        <source>Select Company</source>
        <translation>Choisir la société</translation>
    </message>
</context>
<context>
    <name>ClientsTab</name>
    <message>
        <source>Salutation</source>
        <translation>Civilité</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Company*</source>
        <translation>Société*</translation>
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
        <translation>Ville</translation>
    </message>
    <message>
        <source>County / State</source>
        <translation>Région / État</translation>
    </message>
    <message>
        <source>Postcode/Zip</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Portable</translation>
    </message>
    <message>
        <source>Do you want to add a new company ?</source>
        <translation>Voulez-vous ajouter une nouvelle société ?</translation>
    </message>
    <message>
        <source>Type the first characters of the client you are looking for</source>
        <translation>Tapez les premières lettres du client recherché</translation>
    </message>
    <message>
        <source>
There are Invoices For this client
These will also be Deleted !
</source>
        <translation>
Il existe des factures pour ce client
Elles seront également supprimées !
</translation>
    </message>
    <message>
        <source>Confirm Deletion of Client and Associated Invoices
Not recomended</source>
        <translation>Confirmer la suppression du client et de ses factures
Déconseillé</translation>
    </message>
    <message>
        <source>Clients</source>
        <translation>Clients</translation>
    </message>
    <message>
        <source>ClientID</source>
        <translation>N° client</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>AddNew</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>E-invoice details...</source>
        <translation>Facture électronique...</translation>
    </message>
    <message>
        <source>The client could not be loaded.</source>
        <translation>Le client n&apos;a pas pu être chargé.</translation>
    </message>
    <message>
        <source>Add New Client?</source>
        <translation>Ajouter un nouveau client ?</translation>
    </message>
    <message>
        <source>You must enter a Company</source>
        <translation>Vous devez saisir une société</translation>
    </message>
    <message>
        <source>The new client could not be saved.</source>
        <translation>Le nouveau client n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>New Client Saved</source>
        <translation>Nouveau client enregistré</translation>
    </message>
    <message>
        <source>The client could not be saved.</source>
        <translation>Le client n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>The clients could not be searched.</source>
        <translation>La recherche de clients a échoué.</translation>
    </message>
    <message>
        <source>Not Found</source>
        <translation>Introuvable</translation>
    </message>
    <message>
        <source>The client&apos;s invoices could not be checked, so nothing was deleted.</source>
        <translation>Les factures du client n&apos;ont pas pu être vérifiées ; rien n&apos;a donc été supprimé.</translation>
    </message>
    <message>
        <source>This Will Delete %1 proceed ?</source>
        <translation>Ceci va supprimer %1. Continuer ?</translation>
    </message>
    <message>
        <source>The client could not be deleted; nothing was changed.</source>
        <translation>Le client n&apos;a pas pu être supprimé ; rien n&apos;a été modifié.</translation>
    </message>
</context>
<context>
    <name>CsvMappingDialog</name>
    <message>
        <source>Booking date</source>
        <translation>Date d&apos;opération</translation>
    </message>
    <message>
        <source>Amount (signed)</source>
        <translation>Montant (signé)</translation>
    </message>
    <message>
        <source>Money in</source>
        <translation>Crédit</translation>
    </message>
    <message>
        <source>Money out</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Remittance text</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>Bank reference</source>
        <translation>Réf. bancaire</translation>
    </message>
    <message>
        <source>Payer or payee</source>
        <translation>Payeur/bénéficiaire</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>Columns of the Bank&apos;s Statement</source>
        <translation>Colonnes du relevé bancaire</translation>
    </message>
    <message>
        <source>Delimiter</source>
        <translation>Séparateur</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Point-virgule</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Virgule</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulation</translation>
    </message>
    <message>
        <source>Header line</source>
        <translation>Ligne d&apos;en-tête</translation>
    </message>
    <message>
        <source>First lines</source>
        <translation>Premières lignes</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Format de date</translation>
    </message>
    <message>
        <source>Decimal mark</source>
        <translation>Séparateur décimal</translation>
    </message>
    <message>
        <source>Comma (1.234,56)</source>
        <translation>Virgule (1.234,56)</translation>
    </message>
    <message>
        <source>Point (1,234.56)</source>
        <translation>Point (1,234.56)</translation>
    </message>
    <message>
        <source>Currency otherwise</source>
        <translation>Devise par défaut</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Choose the column of the booking date, and the signed amount&apos;s or the columns of money in and out.</source>
        <translation>Choisissez la colonne de la date d&apos;opération, et celle du montant signé ou celles du crédit et du débit.</translation>
    </message>
    <message>
        <source>With these columns the file cannot be read: %1</source>
        <translation>Avec ces colonnes, le fichier ne peut pas être lu : %1</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>No data folder was given.</source>
        <translation>Aucun dossier de données n&apos;a été indiqué.</translation>
    </message>
    <message>
        <source>The data folder %1 is a file, not a folder.</source>
        <translation>Le dossier de données %1 est un fichier, et non un dossier.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be created.</source>
        <translation>Le dossier de données %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The data folder %1 is read-only. Billcraft needs to write there: make the folder writable, or start Billcraft with another data folder.</source>
        <translation>Le dossier de données %1 est en lecture seule. Billcraft doit pouvoir y écrire : rendez le dossier accessible en écriture, ou lancez Billcraft avec un autre dossier de données.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be written to.</source>
        <translation>Impossible d&apos;écrire dans le dossier de données %1.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2</source>
        <translation>Le dossier %1 ne peut pas être créé : %2</translation>
    </message>
    <message>
        <source>%1 is a link to another place. Billcraft writes a copy of your books there, so it must be a folder of your own in the data folder: remove the link and try again.</source>
        <translation>%1 est un lien vers un autre emplacement. Billcraft y écrit une copie de votre comptabilité ; ce doit donc être un dossier à vous dans le dossier de données : supprimez le lien et réessayez.</translation>
    </message>
    <message>
        <source>%1 is not a folder; Billcraft needs a folder of that name.</source>
        <translation>%1 n&apos;est pas un dossier ; Billcraft a besoin d&apos;un dossier de ce nom.</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user. Billcraft writes a copy of your books there, so it must be yours: remove it and try again.</source>
        <translation>Le dossier %1 appartient à un autre utilisateur. Billcraft y écrit une copie de votre comptabilité ; il doit donc vous appartenir : supprimez-le et réessayez.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made private to you: %2</source>
        <translation>Le dossier %1 ne peut pas être rendu privé : %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1 cannot be made private to you: %2</source>
        <translation>%1 ne peut pas être rendu privé : %2</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <source>%1 cannot be locked: %2</source>
        <translation>%1 ne peut pas être verrouillé : %2</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>%1 ne peut pas être créé : %2</translation>
    </message>
    <message>
        <source>The data folder %1 does not exist.</source>
        <translation>Le dossier de données %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The data folder %1 is read-only. Billcraft needs to write there: make the folder writable, or start Billcraft with another data folder.</source>
        <translation>Le dossier de données %1 est en lecture seule. Billcraft doit pouvoir y écrire : rendez le dossier accessible en écriture, ou lancez Billcraft avec un autre dossier de données.</translation>
    </message>
    <message>
        <source>%1 is read-only. Billcraft needs to write to it: make the file writable, or start Billcraft with another data folder.</source>
        <translation>%1 est en lecture seule. Billcraft doit pouvoir y écrire : rendez le fichier accessible en écriture, ou lancez Billcraft avec un autre dossier de données.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1 is not a Billcraft database (%2). Billcraft has left it unchanged.</source>
        <translation>%1 n&apos;est pas une base de données Billcraft (%2). Billcraft l&apos;a laissé tel quel.</translation>
    </message>
    <message>
        <source>it is a database of the earlier Windows program, still to be converted</source>
        <translation>c&apos;est une base de données de l&apos;ancien programme Windows, encore à convertir</translation>
    </message>
    <message>
        <source>it is not an SQLite file</source>
        <translation>ce n&apos;est pas un fichier SQLite</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2. Billcraft has left it unchanged.</source>
        <translation>%1 ne peut pas être lu : %2. Billcraft l&apos;a laissé tel quel.</translation>
    </message>
    <message>
        <source>it holds none of Billcraft&apos;s tables</source>
        <translation>il ne contient aucune des tables de Billcraft</translation>
    </message>
    <message>
        <source>it lacks the tables %1</source>
        <translation>il lui manque les tables %1</translation>
    </message>
    <message>
        <source>%1 cannot use a write-ahead journal (the journal mode is &quot;%2&quot;), so a saved invoice might not survive a power cut. %3</source>
        <translation>%1 ne peut pas utiliser de journal à écriture anticipée (le mode de journal est « %2 ») ; une facture enregistrée pourrait donc ne pas survivre à une coupure de courant. %3</translation>
    </message>
    <message>
        <source>%1 cannot be set to write every change through to the disk, so a saved invoice might not survive a power cut. %2</source>
        <translation>%1 ne peut pas être configuré pour écrire chaque modification directement sur le disque ; une facture enregistrée pourrait donc ne pas survivre à une coupure de courant. %2</translation>
    </message>
    <message>
        <source>Cannot add %1.%2 of type %3</source>
        <translation>Impossible d&apos;ajouter %1.%2 de type %3</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>%1: the table %2 cannot be created: %3</source>
        <translation>%1 : la table %2 ne peut pas être créée : %3</translation>
    </message>
    <message>
        <source>%1 cannot be upgraded: %2</source>
        <translation>%1 ne peut pas être mis à niveau : %2</translation>
    </message>
    <message>
        <source>%1 cannot be upgraded to version %2: %3</source>
        <translation>%1 ne peut pas être mis à niveau vers la version %2 : %3</translation>
    </message>
    <message>
        <source>Billcraft cannot reach shared books: Qt&apos;s PostgreSQL driver is missing (Debian package libqt6sql6-psql).</source>
        <translation>Billcraft ne peut pas accéder à la comptabilité partagée : le pilote PostgreSQL de Qt est absent (paquet Debian libqt6sql6-psql).</translation>
    </message>
    <message>
        <source>The server of %1 cannot be reached: %2</source>
        <translation>Le serveur de %1 est injoignable : %2</translation>
    </message>
    <message>
        <source>The server of %1 refused a setting: %2</source>
        <translation>Le serveur de %1 a refusé un paramètre : %2</translation>
    </message>
    <message>
        <source>The database %1 holds tables of another program. Shared books need an empty database of their own: Billcraft has left it unchanged.</source>
        <translation>La base de données %1 contient les tables d&apos;un autre programme. La comptabilité partagée a besoin de sa propre base vide : Billcraft l&apos;a laissée telle quelle.</translation>
    </message>
    <message>
        <source>%1: the shared books cannot be made: %2</source>
        <translation>%1 : la comptabilité partagée ne peut pas être créée : %2</translation>
    </message>
    <message>
        <source>The shared books at %1 were last upgraded by a newer Billcraft (schema version %2; this Billcraft knows version %3). Update Billcraft on this computer to use them. Nothing has been changed.</source>
        <translation>La comptabilité partagée de %1 a été mise à niveau en dernier par un Billcraft plus récent (version de schéma %2 ; ce Billcraft connaît la version %3). Mettez à jour Billcraft sur cet ordinateur pour l&apos;utiliser. Rien n&apos;a été modifié.</translation>
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
        <translation>Ligne de séparation</translation>
    </message>
</context>
<context>
    <name>DesignerLogo</name>
    <message>
        <source>%1 could not be made into a smaller picture.</source>
        <translation>%1 n&apos;a pas pu être réduit en une image plus petite.</translation>
    </message>
    <message>
        <source>%1 changed while it was read.</source>
        <translation>%1 a été modifié pendant sa lecture.</translation>
    </message>
</context>
<context>
    <name>DesignerModel</name>
    <message>
        <source>Move %1</source>
        <translation>Déplacer %1</translation>
    </message>
    <message>
        <source>Nudge %1</source>
        <translation>Décaler %1</translation>
    </message>
    <message>
        <source>Fit for Preview</source>
        <translation>Ajuster à l&apos;aperçu</translation>
    </message>
    <message>
        <source>Align Lefts</source>
        <translation>Aligner à gauche</translation>
    </message>
    <message>
        <source>Align Rights</source>
        <translation>Aligner à droite</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Modifier %1</translation>
    </message>
    <message>
        <source>Address As Line</source>
        <translation>Adresse en ligne</translation>
    </message>
    <message>
        <source>Use Logo</source>
        <translation>Avec logo</translation>
    </message>
    <message>
        <source>Show Divider Line</source>
        <translation>Ligne de séparation</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Charger une image</translation>
    </message>
</context>
<context>
    <name>EInvoiceAmounts</name>
    <message>
        <source>The invoice&apos;s amounts are too large to be written as an e-invoice.</source>
        <translation>Les montants de la facture sont trop élevés pour être écrits dans une facture électronique.</translation>
    </message>
    <message>
        <source>Payable within %1 days</source>
        <translation>Payable sous %1 jours</translation>
    </message>
    <message>
        <source>The invoice charges VAT but the identity&apos;s VAT rate is 0: correct the VAT Rate on the Invoice Layout tab.</source>
        <translation>La facture applique la TVA mais le taux de TVA de l&apos;identité est 0 : corrigez le taux de TVA dans l&apos;onglet Mise en page.</translation>
    </message>
</context>
<context>
    <name>EInvoiceExport</name>
    <message>
        <source>Invoice %1 from %2</source>
        <translation>Facture %1 de %2</translation>
    </message>
</context>
<context>
    <name>EInvoiceFile</name>
    <message>
        <source>Billcraft does not write this kind of e-invoice.</source>
        <translation>Billcraft n&apos;écrit pas ce type de facture électronique.</translation>
    </message>
    <message>
        <source>The e-invoice could not be written.</source>
        <translation>La facture électronique n&apos;a pas pu être écrite.</translation>
    </message>
    <message>
        <source>Factur-X PDF (*.pdf)</source>
        <translation>PDF Factur-X (*.pdf)</translation>
    </message>
    <message>
        <source>XRechnung XML (*.xml)</source>
        <translation>XML XRechnung (*.xml)</translation>
    </message>
    <message>
        <source>UBL XML (*.xml)</source>
        <translation>XML UBL (*.xml)</translation>
    </message>
</context>
<context>
    <name>EInvoiceHtml</name>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Credit note %1</source>
        <translation>Avoir %1</translation>
    </message>
    <message>
        <source>Invoice %1</source>
        <translation>Facture %1</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>Issued</source>
        <translation>Émise le</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>Delivered</source>
        <translation>Livraison</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>Buyer reference</source>
        <translation>Référence acheteur</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>VAT number: %1</source>
        <translation>N° de TVA : %1</translation>
    </message>
    <message>
        <source>Tax number: %1</source>
        <translation>N° fiscal : %1</translation>
    </message>
    <message>
        <source>Electronic address: %1</source>
        <translation>Adresse électronique : %1</translation>
    </message>
    <message>
        <source>Contact: %1</source>
        <translation>Contact : %1</translation>
    </message>
    <message>
        <source>Phone: %1</source>
        <translation>Tél. : %1</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>E-mail : %1</translation>
    </message>
    <message>
        <source>Seller</source>
        <translation>Vendeur</translation>
    </message>
    <message>
        <source>Buyer</source>
        <translation>Acheteur</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Article</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Net HT</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>TVA</translation>
    </message>
    <message>
        <source>VAT breakdown</source>
        <translation>Détail de la TVA</translation>
    </message>
    <message>
        <source>Taxable</source>
        <translation>Base HT</translation>
    </message>
    <message>
        <source>VAT amount</source>
        <translation>Montant TVA</translation>
    </message>
    <message>
        <source>Exemption reason</source>
        <translation>Motif d&apos;exonération</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>Allowances</source>
        <translation>Remises</translation>
    </message>
    <message>
        <source>Charges</source>
        <translation>Frais</translation>
    </message>
    <message>
        <source>Total without VAT</source>
        <translation>Total HT</translation>
    </message>
    <message>
        <source>Total with VAT</source>
        <translation>Total TTC</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Déjà payé</translation>
    </message>
    <message>
        <source>Rounding</source>
        <translation>Arrondi</translation>
    </message>
    <message>
        <source>Amount due</source>
        <translation>Net à payer</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Credit transfer</source>
        <translation>Virement</translation>
    </message>
    <message>
        <source>Debit transfer</source>
        <translation>Virement débiteur</translation>
    </message>
    <message>
        <source>Payment to bank account</source>
        <translation>Versement sur compte bancaire</translation>
    </message>
    <message>
        <source>Bank card</source>
        <translation>Carte bancaire</translation>
    </message>
    <message>
        <source>Direct debit</source>
        <translation>Prélèvement automatique</translation>
    </message>
    <message>
        <source>Standing agreement</source>
        <translation>Accord permanent</translation>
    </message>
    <message>
        <source>SEPA credit transfer</source>
        <translation>Virement SEPA</translation>
    </message>
    <message>
        <source>SEPA direct debit</source>
        <translation>Prélèvement SEPA</translation>
    </message>
    <message>
        <source>Means %1</source>
        <translation>Moyen %1</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Means</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Account holder</source>
        <translation>Titulaire du compte</translation>
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
        <translation>Conditions</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Référence</translation>
    </message>
</context>
<context>
    <name>EInvoiceReader</name>
    <message>
        <source>The file is empty, so it is no e-invoice.</source>
        <translation>Le fichier est vide ; ce n&apos;est donc pas une facture électronique.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 n&apos;a pas pu être lu : %2</translation>
    </message>
    <message>
        <source>%1 is larger than %L2 MB, more than an e-invoice can be.</source>
        <translation>%1 dépasse %L2 Mo, plus qu&apos;une facture électronique ne peut peser.</translation>
    </message>
    <message>
        <source>Factur-X / ZUGFeRD (PDF with CII)</source>
        <translation>Factur-X / ZUGFeRD (PDF avec CII)</translation>
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
        <translation>Le fichier est en XML mais n&apos;est pas une facture électronique : son élément racine est %1.</translation>
    </message>
    <message>
        <source>The e-invoice has more than %L1 elements, more than Billcraft reads.</source>
        <translation>La facture électronique compte plus de %L1 éléments, plus que Billcraft n&apos;en lit.</translation>
    </message>
    <message>
        <source>The e-invoice nests its elements more than %1 deep, more than Billcraft reads.</source>
        <translation>La facture électronique imbrique ses éléments sur plus de %1 niveaux, plus que Billcraft n&apos;en lit.</translation>
    </message>
    <message>
        <source>The e-invoice declares entities, and e-invoices have none: it is not read.</source>
        <translation>La facture électronique déclare des entités, ce que les factures électroniques ne font pas : elle n&apos;est pas lue.</translation>
    </message>
    <message>
        <source>The e-invoice&apos;s XML is larger than %L1 MB, more than Billcraft reads.</source>
        <translation>Le XML de la facture électronique dépasse %L1 Mo, plus que Billcraft n&apos;en lit.</translation>
    </message>
    <message>
        <source>The file declares a DTD, and e-invoices have none: it is not read.</source>
        <translation>Le fichier déclare une DTD, ce que les factures électroniques ne font pas : il n&apos;est pas lu.</translation>
    </message>
    <message>
        <source>The file is neither a PDF nor XML, so it is no e-invoice.</source>
        <translation>Le fichier n&apos;est ni un PDF ni du XML ; ce n&apos;est donc pas une facture électronique.</translation>
    </message>
    <message>
        <source>The e-invoice&apos;s XML is damaged at line %1: %2</source>
        <translation>Le XML de la facture électronique est endommagé à la ligne %1 : %2</translation>
    </message>
    <message>
        <source>The e-invoice&apos;s amount %1 in %2 is not a number.</source>
        <translation>Le montant %1 dans %2 de la facture électronique n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>The e-invoice&apos;s date %1 in %2 is not a date.</source>
        <translation>La date %1 dans %2 de la facture électronique n&apos;est pas une date.</translation>
    </message>
    <message>
        <source>The e-invoice&apos;s VAT category %1 in %2 is not one Billcraft knows.</source>
        <translation>La catégorie de TVA %1 dans %2 de la facture électronique est inconnue de Billcraft.</translation>
    </message>
    <message>
        <source>The e-invoice&apos;s code %1 in %2 is not a number.</source>
        <translation>Le code %1 dans %2 de la facture électronique n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>The e-invoice has more than %L1 lines, more than Billcraft reads.</source>
        <translation>La facture électronique compte plus de %L1 lignes, plus que Billcraft n&apos;en lit.</translation>
    </message>
    <message>
        <source>The e-invoice lacks its %1.</source>
        <translation>Il manque à la facture électronique : %1.</translation>
    </message>
    <message>
        <source>invoice number (BT-1)</source>
        <translation>numéro de facture (BT-1)</translation>
    </message>
    <message>
        <source>issue date (BT-2)</source>
        <translation>date d&apos;émission (BT-2)</translation>
    </message>
    <message>
        <source>seller&apos;s name (BT-27)</source>
        <translation>nom du vendeur (BT-27)</translation>
    </message>
    <message>
        <source>total without VAT (BT-109)</source>
        <translation>total HT (BT-109)</translation>
    </message>
    <message>
        <source>total with VAT (BT-112)</source>
        <translation>total TTC (BT-112)</translation>
    </message>
</context>
<context>
    <name>EInvoiceRules</name>
    <message>
        <source>The invoice&apos;s amounts or VAT categories break the e-invoice rule %1, so it cannot be written as an e-invoice.</source>
        <translation>Les montants ou les catégories de TVA de la facture enfreignent la règle de facture électronique %1 ; elle ne peut donc pas être écrite comme facture électronique.</translation>
    </message>
    <message>
        <source>The e-invoice needs your business&apos;s legal name: enter it under Trading details.</source>
        <translation>La facture électronique exige la dénomination sociale de votre entreprise : saisissez-la dans Coordonnées société.</translation>
    </message>
    <message>
        <source>The e-invoice needs your VAT number or tax number: enter one under Trading details.</source>
        <translation>La facture électronique exige votre numéro de TVA intracommunautaire ou votre numéro fiscal : saisissez-en un dans Coordonnées société.</translation>
    </message>
    <message>
        <source>Your VAT number must begin with its country code, such as GB or DE: correct it under Trading details.</source>
        <translation>Votre numéro de TVA intracommunautaire doit commencer par le code pays, par exemple FR ou DE : corrigez-le dans Coordonnées société.</translation>
    </message>
    <message>
        <source>The e-invoice needs your VAT number for this invoice&apos;s VAT category: enter it under Trading details.</source>
        <translation>La facture électronique exige votre numéro de TVA intracommunautaire pour la catégorie de TVA de cette facture : saisissez-le dans Coordonnées société.</translation>
    </message>
    <message>
        <source>The e-invoice needs your country code: enter it under Trading details.</source>
        <translation>La facture électronique exige votre code pays : saisissez-le dans Coordonnées société.</translation>
    </message>
    <message>
        <source>The e-invoice needs your IBAN for payment by credit transfer: enter it under Trading details.</source>
        <translation>La facture électronique exige votre IBAN pour un paiement par virement : saisissez-le dans Coordonnées société.</translation>
    </message>
    <message>
        <source>The e-invoice needs your e-mail address: enter it under Trading details.</source>
        <translation>La facture électronique exige votre adresse e-mail : saisissez-la dans Coordonnées société.</translation>
    </message>
    <message>
        <source>An XRechnung needs your contact name: enter it under Trading details.</source>
        <translation>Une XRechnung exige le nom de votre contact : saisissez-le dans Coordonnées société.</translation>
    </message>
    <message>
        <source>An XRechnung needs your telephone number: enter it under Trading details.</source>
        <translation>Une XRechnung exige votre numéro de téléphone : saisissez-le dans Coordonnées société.</translation>
    </message>
    <message>
        <source>An XRechnung needs your town: enter it under Trading details.</source>
        <translation>Une XRechnung exige votre ville : saisissez-la dans Coordonnées société.</translation>
    </message>
    <message>
        <source>An XRechnung needs your post code: enter it under Trading details.</source>
        <translation>Une XRechnung exige votre code postal : saisissez-le dans Coordonnées société.</translation>
    </message>
    <message>
        <source>The e-invoice needs the client&apos;s name: enter it on the Clients tab.</source>
        <translation>La facture électronique exige le nom du client : saisissez-le dans l&apos;onglet Clients.</translation>
    </message>
    <message>
        <source>The e-invoice needs the client&apos;s country code: enter it under E-invoice details on the Clients tab.</source>
        <translation>La facture électronique exige le code pays du client : saisissez-le sous Facture électronique dans l&apos;onglet Clients.</translation>
    </message>
    <message>
        <source>The client&apos;s VAT number must begin with its country code, such as FR or DE: correct it under E-invoice details on the Clients tab.</source>
        <translation>Le numéro de TVA intracommunautaire du client doit commencer par le code pays, par exemple FR ou DE : corrigez-le sous Facture électronique dans l&apos;onglet Clients.</translation>
    </message>
    <message>
        <source>The e-invoice needs the client&apos;s VAT number for this invoice&apos;s VAT category: enter it under E-invoice details on the Clients tab.</source>
        <translation>La facture électronique exige le numéro de TVA intracommunautaire du client pour la catégorie de TVA de cette facture : saisissez-le sous Facture électronique dans l&apos;onglet Clients.</translation>
    </message>
    <message>
        <source>The e-invoice needs the client&apos;s e-invoice address: enter it under E-invoice details on the Clients tab.</source>
        <translation>La facture électronique exige l&apos;adresse électronique de facturation du client : saisissez-la sous Facture électronique dans l&apos;onglet Clients.</translation>
    </message>
    <message>
        <source>A UBL e-invoice needs the client&apos;s buyer reference or order number: enter it under E-invoice details on the Clients tab.</source>
        <translation>Une facture électronique UBL exige la référence acheteur ou le numéro de commande du client : saisissez-le sous Facture électronique dans l&apos;onglet Clients.</translation>
    </message>
    <message>
        <source>An XRechnung needs the client&apos;s buyer reference (Leitweg-ID): enter it under E-invoice details on the Clients tab.</source>
        <translation>Une XRechnung exige la référence acheteur du client (Leitweg-ID) : saisissez-la sous Facture électronique dans l&apos;onglet Clients.</translation>
    </message>
    <message>
        <source>An XRechnung needs the client&apos;s town: enter it on the Clients tab.</source>
        <translation>Une XRechnung exige la ville du client : saisissez-la dans l&apos;onglet Clients.</translation>
    </message>
    <message>
        <source>An XRechnung needs the client&apos;s post code: enter it on the Clients tab.</source>
        <translation>Une XRechnung exige le code postal du client : saisissez-le dans l&apos;onglet Clients.</translation>
    </message>
    <message>
        <source>The e-invoice needs the invoice&apos;s number.</source>
        <translation>La facture électronique exige le numéro de la facture.</translation>
    </message>
    <message>
        <source>The e-invoice needs the invoice&apos;s date.</source>
        <translation>La facture électronique exige la date de la facture.</translation>
    </message>
    <message>
        <source>The e-invoice needs the currency&apos;s code (ISO 4217, such as GBP or EUR), which the system&apos;s locale does not give.</source>
        <translation>La facture électronique exige le code de la devise (ISO 4217, par exemple GBP ou EUR), que la langue et région du système ne fournit pas.</translation>
    </message>
    <message>
        <source>The e-invoice needs the invoice&apos;s content: edit the invoice to enter it.</source>
        <translation>La facture électronique exige le contenu de la facture : modifiez la facture pour le saisir.</translation>
    </message>
    <message>
        <source>The e-invoice needs a due date: enter the days allowed for payment under Trading details.</source>
        <translation>La facture électronique exige une date d&apos;échéance : saisissez le délai de paiement en jours dans Coordonnées société.</translation>
    </message>
</context>
<context>
    <name>EnvelopePrinter</name>
    <message>
        <source>The printer does not take DL envelopes.</source>
        <translation>L&apos;imprimante n&apos;accepte pas les enveloppes DL.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>L&apos;imprimante n&apos;a pas pu être démarrée.</translation>
    </message>
    <message>
        <source>The envelope could not be sent to the printer.</source>
        <translation>L&apos;enveloppe n&apos;a pas pu être envoyée à l&apos;imprimante.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not installed.</source>
        <translation>L&apos;imprimante « %1 » n&apos;est pas installée.</translation>
    </message>
</context>
<context>
    <name>EnvelopeSettings</name>
    <message>
        <source>Printer Error</source>
        <translation>Erreur d&apos;imprimante</translation>
    </message>
    <message>
        <source>Envelope Settings</source>
        <translation>Réglages enveloppe</translation>
    </message>
    <message>
        <source>Print Envelope</source>
        <translation>Imprimer l&apos;enveloppe</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>Printer Tray</source>
        <translation>Bac</translation>
    </message>
    <message>
        <source>There was an error</source>
        <translation>Une erreur s&apos;est produite</translation>
    </message>
    <message>
        <source>No Client Selected</source>
        <translation>Aucun client choisi</translation>
    </message>
    <message>
        <source>Print Envelope ?</source>
        <translation>Imprimer l&apos;enveloppe ?</translation>
    </message>
    <message>
        <source>Select Printer And Tray</source>
        <translation>Choisir imprimante et bac</translation>
    </message>
    <message>
        <source>
No tray of %1 is chosen.</source>
        <translation>
Aucun bac de %1 n&apos;est choisi.</translation>
    </message>
    <message>
        <source>
The client is no longer in the address book.</source>
        <translation>
Le client ne figure plus dans le carnet d&apos;adresses.</translation>
    </message>
    <message>
        <source>Envelope - %1</source>
        <translation>Enveloppe - %1</translation>
    </message>
    <message>
        <source>Select Printer</source>
        <translation>Choisir l&apos;imprimante</translation>
    </message>
    <message>
        <source>Select Printer Tray</source>
        <translation>Choisir le bac</translation>
    </message>
</context>
<context>
    <name>EnvelopeTrays</name>
    <message>
        <source>The print system does not know this printer.</source>
        <translation>Le système d&apos;impression ne connaît pas cette imprimante.</translation>
    </message>
    <message>
        <source> (default)</source>
        <translation> (par défaut)</translation>
    </message>
</context>
<context>
    <name>ExpensesTab</name>
    <message>
        <source>This Will Delete %1 proceed ?</source>
        <translation>Ceci va supprimer %1. Continuer ?</translation>
    </message>
    <message>
        <source>The number of an expense cannot be changed.</source>
        <translation>Le numéro d&apos;une dépense ne peut pas être modifié.</translation>
    </message>
    <message>
        <source>This expense has been deleted meanwhile, so the change could not be saved.</source>
        <translation>Cette dépense a été supprimée entre-temps ; la modification n&apos;a donc pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Edit the cell</source>
        <translation>Modifier la cellule</translation>
    </message>
    <message>
        <source>Add Expense</source>
        <translation>Nouvelle dépense</translation>
    </message>
    <message>
        <source>Read e-invoice...</source>
        <translation>Lire une facture électronique...</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>View Details</source>
        <translation>Voir le détail</translation>
    </message>
    <message>
        <source>Exit Menu</source>
        <translation>Quitter le menu</translation>
    </message>
    <message>
        <source>The expenses could not be read</source>
        <translation>Les dépenses n&apos;ont pas pu être lues</translation>
    </message>
    <message>
        <source>The change could not be saved</source>
        <translation>La modification n&apos;a pas pu être enregistrée</translation>
    </message>
    <message>
        <source>An expense must have a date, so it keeps the one it had.</source>
        <translation>Une dépense doit avoir une date ; elle conserve donc celle qu&apos;elle avait.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date, so the expense keeps the one it had. Type a date such as %2.</source>
        <translation>« %1 » n&apos;est pas une date ; la dépense conserve donc celle qu&apos;elle avait. Saisissez une date comme %2.</translation>
    </message>
    <message>
        <source>value</source>
        <translation>montant</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>TVA</translation>
    </message>
    <message>
        <source>An expense must have a value, so it keeps the one it had.</source>
        <translation>Une dépense doit avoir un montant ; elle conserve donc celui qu&apos;elle avait.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount of money, so the expense keeps its %2. Type a number such as 12.50, with or without %3.</source>
        <translation>« %1 » n&apos;est pas un montant ; le champ « %2 » de la dépense reste donc inchangé. Saisissez un nombre comme 12,50, avec ou sans %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of miles, so the expense keeps its mileage. Type a number such as 12.5.</source>
        <translation>« %1 » n&apos;est pas un kilométrage valide ; la dépense conserve donc le sien. Saisissez un nombre comme 12,5.</translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation>Supprimer ?</translation>
    </message>
    <message>
        <source>The expense could not be deleted</source>
        <translation>La dépense n&apos;a pas pu être supprimée</translation>
    </message>
</context>
<context>
    <name>ExportButtons</name>
    <message>
        <source>Exporting %1 rows...</source>
        <translation>Export de %1 lignes...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Open in a spreadsheet</source>
        <translation>Ouvrir dans un tableur</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Enregistrer en CSV</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The list is empty, so there is nothing to export.</source>
        <translation>La liste est vide ; il n&apos;y a donc rien à exporter.</translation>
    </message>
    <message>
        <source>file Saved </source>
        <translation>Fichier enregistré </translation>
    </message>
    <message>
        <source>Error saving file.
</source>
        <translation>Erreur lors de l&apos;enregistrement du fichier.
</translation>
    </message>
    <message>
        <source>Do You Want To Open This Data In Excel ?</source>
        <translation>Voulez-vous ouvrir ces données dans Excel ?</translation>
    </message>
    <message>
        <source>The spreadsheet could not be saved.
</source>
        <translation>Le classeur n&apos;a pas pu être enregistré.
</translation>
    </message>
    <message>
        <source>The list could not be read in full, so nothing was exported.
</source>
        <translation>La liste n&apos;a pas pu être lue en entier ; rien n&apos;a donc été exporté.
</translation>
    </message>
    <message>
        <source>No spreadsheet program could be started to show the data.
It has been saved as %1</source>
        <translation>Aucun tableur n&apos;a pu être lancé pour afficher les données.
Elles ont été enregistrées sous %1</translation>
    </message>
</context>
<context>
    <name>FacturX</name>
    <message>
        <source>This PDF carries no e-invoice (no factur-x.xml or other XML attached).</source>
        <translation>Ce PDF ne contient aucune facture électronique (ni factur-x.xml ni autre XML joint).</translation>
    </message>
    <message>
        <source>This PDF carries several XML attachments and none is named as an e-invoice (factur-x.xml).</source>
        <translation>Ce PDF contient plusieurs pièces jointes XML et aucune n&apos;est nommée comme facture électronique (factur-x.xml).</translation>
    </message>
    <message>
        <source>The e-invoice attached to this PDF is damaged and cannot be read.</source>
        <translation>La facture électronique jointe à ce PDF est endommagée et ne peut pas être lue.</translation>
    </message>
    <message>
        <source>The e-invoice attached to this PDF is larger than %1 MB; it was not read.</source>
        <translation>La facture électronique jointe à ce PDF dépasse %1 Mo ; elle n&apos;a pas été lue.</translation>
    </message>
    <message>
        <source>This PDF is larger than %1 MB, more than any e-invoice needs; it was not read.</source>
        <translation>Ce PDF dépasse %1 Mo, plus qu&apos;aucune facture électronique n&apos;en a besoin ; il n&apos;a pas été lu.</translation>
    </message>
    <message>
        <source>This file is not a PDF.</source>
        <translation>Ce fichier n&apos;est pas un PDF.</translation>
    </message>
    <message>
        <source>This PDF is protected by a password and cannot be read.</source>
        <translation>Ce PDF est protégé par un mot de passe et ne peut pas être lu.</translation>
    </message>
    <message>
        <source>This PDF is damaged and cannot be read.</source>
        <translation>Ce PDF est endommagé et ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The colour profile that PDF/A invoices need cannot be read: %1 (Debian package icc-profiles-free).</source>
        <translation>Le profil de couleurs nécessaire aux factures PDF/A ne peut pas être lu : %1 (paquet Debian icc-profiles-free).</translation>
    </message>
    <message>
        <source>The Factur-X PDF cannot be made: it has no invoice data or no date.</source>
        <translation>Le PDF Factur-X ne peut pas être créé : il n&apos;a pas de données de facture ou pas de date.</translation>
    </message>
    <message>
        <source>The Factur-X PDF cannot be made: %1</source>
        <translation>Le PDF Factur-X ne peut pas être créé : %1</translation>
    </message>
    <message>
        <source>The Factur-X PDF cannot be made.</source>
        <translation>Le PDF Factur-X ne peut pas être créé.</translation>
    </message>
</context>
<context>
    <name>GridData</name>
    <message>
        <source>True</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>The list&apos;s statement does not match its columns.</source>
        <translation>La requête de la liste ne correspond pas à ses colonnes.</translation>
    </message>
    <message>
        <source>There Are Too Many Records To Display
Please Use Selection Criteria</source>
        <translation>Il y a trop d&apos;enregistrements à afficher
Veuillez utiliser des critères de sélection</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Hors limites</translation>
    </message>
    <message>
        <source>The rows read do not match the list&apos;s keys.</source>
        <translation>Les lignes lues ne correspondent pas aux clés de la liste.</translation>
    </message>
</context>
<context>
    <name>GridExport</name>
    <message>
        <source>The spreadsheet could not be made: %1</source>
        <translation>Le classeur n&apos;a pas pu être créé : %1</translation>
    </message>
    <message>
        <source>The spreadsheet could not be started.</source>
        <translation>Le tableur n&apos;a pas pu être lancé.</translation>
    </message>
    <message>
        <source>There is no folder of your own to save it in.</source>
        <translation>Il n&apos;existe aucun dossier personnel où l&apos;enregistrer.</translation>
    </message>
    <message>
        <source>The folder %1 %2</source>
        <translation>Le dossier %1 %2</translation>
    </message>
    <message>
        <source>could not be made.</source>
        <translation>n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>could not be made: %1</source>
        <translation>n&apos;a pas pu être créé : %1</translation>
    </message>
    <message>
        <source>is a symbolic link, so it is not used.</source>
        <translation>est un lien symbolique ; il n&apos;est donc pas utilisé.</translation>
    </message>
    <message>
        <source>is not a folder.</source>
        <translation>n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>ne peut pas être ouvert : %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>belongs to another user, so it is not used.</source>
        <translation>appartient à un autre utilisateur ; il n&apos;est donc pas utilisé.</translation>
    </message>
    <message>
        <source>cannot be made private: %1</source>
        <translation>ne peut pas être rendu privé : %1</translation>
    </message>
    <message>
        <source>No temporary folder could be made for the spreadsheet: %1</source>
        <translation>Aucun dossier temporaire n&apos;a pu être créé pour le classeur : %1</translation>
    </message>
    <message>
        <source>The spreadsheet made could not be read back: %1</source>
        <translation>Le classeur créé n&apos;a pas pu être relu : %1</translation>
    </message>
</context>
<context>
    <name>GridHeading</name>
    <message>
        <source>AppointId</source>
        <translation>ID rendez-vous</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerte</translation>
    </message>
    <message>
        <source>InvoiceID</source>
        <translation>ID facture</translation>
    </message>
    <message>
        <source>InvoiceNumber</source>
        <translation>Numéro de facture</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Société</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenu</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Montant HT</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>TVA</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Payée</translation>
    </message>
    <message>
        <source>DatePaid</source>
        <translation>Payée le</translation>
    </message>
    <message>
        <source>SentOn</source>
        <translation>Envoyée le</translation>
    </message>
    <message>
        <source>ReminderLevel</source>
        <translation>Niveau de relance</translation>
    </message>
    <message>
        <source>RemindedOn</source>
        <translation>Relancée le</translation>
    </message>
    <message>
        <source>ExpenseID</source>
        <translation>N° dépense</translation>
    </message>
    <message>
        <source>ClientRef</source>
        <translation>Réf. client</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Mileage</source>
        <translation>Kilométrage</translation>
    </message>
</context>
<context>
    <name>HelpDocument</name>
    <message>
        <source>it has no %1 column</source>
        <translation>il n&apos;a pas de colonne %1</translation>
    </message>
    <message>
        <source>%1 could not be read: there is no such file.</source>
        <translation>%1 n&apos;a pas pu être lu : ce fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 n&apos;a pas pu être lu : %2</translation>
    </message>
    <message>
        <source>%1 is damaged and could be read only in part (%2).</source>
        <translation>%1 est endommagé et n&apos;a pu être lu qu&apos;en partie (%2).</translation>
    </message>
    <message>
        <source>%1 is not a help file: %2.</source>
        <translation>%1 n&apos;est pas un fichier d&apos;aide : %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than the %2 characters a section&apos;s name may have.</source>
        <translation>« %1 » dépasse les %2 caractères permis pour le nom d&apos;une rubrique.</translation>
    </message>
    <message>
        <source>The text has %1 characters; a section holds at most %2.</source>
        <translation>Le texte compte %1 caractères ; une rubrique en contient au plus %2.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n&apos;a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>The help document could not be installed: %1</source>
        <translation>Le document d&apos;aide n&apos;a pas pu être installé : %1</translation>
    </message>
</context>
<context>
    <name>HelpPrint</name>
    <message>
        <source>The help text could not be drawn as a PDF.</source>
        <translation>Le texte d&apos;aide n&apos;a pas pu être converti en PDF.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n&apos;a pas pu être écrit : %2</translation>
    </message>
</context>
<context>
    <name>HelpTree</name>
    <message>
        <source> Count of &apos;%1&apos; Found in %2</source>
        <translation> occurrence(s) de « %1 » dans %2</translation>
    </message>
    <message>
        <source>Unfiled</source>
        <translation>Non classées</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>done</source>
        <translation>terminé</translation>
    </message>
    <message>
        <source>Search text not found..</source>
        <translation>Texte recherché introuvable.</translation>
    </message>
    <message>
        <source>The sections below belong under a section that is no longer in the help, or under each other in a circle. They are kept here so that none is lost.</source>
        <translation>Les rubriques ci-dessous dépendent d&apos;une rubrique qui n&apos;est plus dans l&apos;aide, ou dépendent les unes des autres en cercle. Elles sont conservées ici pour qu&apos;aucune ne soit perdue.</translation>
    </message>
    <message>
        <source>Print Help</source>
        <translation>Imprimer l&apos;aide</translation>
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
        <translation>Bienvenue dans l&apos;aide de Billcraft<byte value="xd"/>
<byte value="xd"/>
Cliquez à GAUCHE sur le sujet qui vous intéresse.<byte value="xd"/>
Ou utilisez le bouton Rechercher ci-dessus.<byte value="xd"/>
<byte value="xd"/>
Ou écrivez à support@norvane.example<byte value="xd"/>
pour une aide sur votre problème<byte value="xd"/>
<byte value="xd"/>
Votre entreprise a besoin d&apos;un site web ?<byte value="xd"/>
Contactez sales@norvane.example ou www.norvane.example<byte value="xd"/>
Pour une solution économique</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Enregistrer en PDF...</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Rubrique</translation>
    </message>
    <message>
        <source>Display Order</source>
        <translation>Ordre d&apos;affichage</translation>
    </message>
    <message>
        <source>Add Node</source>
        <translation>Nouvelle rubrique</translation>
    </message>
    <message>
        <source>Add Child</source>
        <translation>Nouvelle sous-rubrique</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Delete Node</source>
        <translation>Supprimer la rubrique</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Make New Help</source>
        <translation>Nouvelle aide</translation>
    </message>
    <message>
        <source>Help File Missing</source>
        <translation>Fichier d&apos;aide absent</translation>
    </message>
    <message>
        <source>
The sections before the damage are shown. The file is left as it is until you change the help.</source>
        <translation>
Les rubriques précédant la partie endommagée sont affichées. Le fichier reste tel quel jusqu&apos;à ce que vous modifiiez l&apos;aide.</translation>
    </message>
    <message>
        <source>These help sections are each other&apos;s parents, round in a circle: %1.
They are shown under &quot;Unfiled&quot;.</source>
        <translation>Ces rubriques d&apos;aide sont parentes les unes des autres, en cercle : %1.
Elles sont affichées sous « Non classées ».</translation>
    </message>
    <message>
        <source>Enter the item you want to find</source>
        <translation>Saisissez le terme à rechercher</translation>
    </message>
    <message>
        <source>Billcraft Help</source>
        <translation>Aide de Billcraft</translation>
    </message>
    <message>
        <source>Could not find Printer</source>
        <translation>Imprimante introuvable</translation>
    </message>
    <message>
        <source>Printer Error</source>
        <translation>Erreur d&apos;imprimante</translation>
    </message>
    <message>
        <source>Save Help as PDF</source>
        <translation>Enregistrer l&apos;aide en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Billcraft Help: %1</source>
        <translation>Aide de Billcraft : %1</translation>
    </message>
    <message>
        <source>Node Exists</source>
        <translation>Cette rubrique existe déjà</translation>
    </message>
    <message>
        <source>The section %1 is no longer in the help.</source>
        <translation>La rubrique %1 n&apos;est plus dans l&apos;aide.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add New Field</source>
        <translation>Ajouter une rubrique</translation>
    </message>
    <message>
        <source>Please Select Parent</source>
        <translation>Veuillez choisir la rubrique parente</translation>
    </message>
    <message>
        <source>Add New Child</source>
        <translation>Ajouter une sous-rubrique</translation>
    </message>
    <message>
        <source>Please Choose node to Re-Name </source>
        <translation>Veuillez choisir la rubrique à renommer </translation>
    </message>
    <message>
        <source>New Name?</source>
        <translation>Nouveau nom ?</translation>
    </message>
    <message>
        <source>Rename Field%1</source>
        <translation>Renommer la rubrique%1</translation>
    </message>
    <message>
        <source>Confirm Delete%1</source>
        <translation>Confirmer la suppression%1</translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation>Supprimer ?</translation>
    </message>
    <message>
        <source>The display order must be a whole number, such as 10. Nothing was saved.</source>
        <translation>L&apos;ordre d&apos;affichage doit être un nombre entier, par exemple 10. Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source> Nothing was saved.</source>
        <translation> Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Help File Exists</source>
        <translation>Le fichier d&apos;aide existe déjà</translation>
    </message>
    <message>
        <source>%1 is damaged: only the sections shown could be read from it.
Writing this change keeps those sections and drops the rest of the file. Write it anyway?</source>
        <translation>%1 est endommagé : seules les rubriques affichées ont pu être lues.
Enregistrer cette modification conserve ces rubriques et abandonne le reste du fichier. Enregistrer quand même ?</translation>
    </message>
</context>
<context>
    <name>IdentityLayoutFile</name>
    <message>
        <source>The layout file ends inside the field %1 (at byte %2 of %3).</source>
        <translation>Le fichier de mise en page se termine au milieu du champ %1 (à l&apos;octet %2 sur %3).</translation>
    </message>
    <message>
        <source>%1 is not a usable layout file. %2</source>
        <translation>%1 n&apos;est pas un fichier de mise en page utilisable. %2</translation>
    </message>
    <message>
        <source>The layout is not written to %1. %2</source>
        <translation>La mise en page n&apos;est pas écrite dans %1. %2</translation>
    </message>
</context>
<context>
    <name>InvoiceEntry</name>
    <message>
        <source> You must add Some content</source>
        <translation> Vous devez saisir un contenu</translation>
    </message>
    <message>
        <source> You must add a value</source>
        <translation> Vous devez saisir un montant</translation>
    </message>
    <message>
        <source> Please Select a Client</source>
        <translation> Veuillez choisir un client</translation>
    </message>
    <message>
        <source>There is an Invoice Number Error</source>
        <translation>Erreur de numéro de facture</translation>
    </message>
</context>
<context>
    <name>InvoiceList</name>
    <message>
        <source>The database connection is not an SQLite one.</source>
        <translation>La connexion à la base de données n&apos;est pas une connexion SQLite.</translation>
    </message>
</context>
<context>
    <name>InvoiceListTab</name>
    <message>
        <source>Invoices</source>
        <translation>Factures</translation>
    </message>
    <message>
        <source>Right click to edit invoice or left click to view</source>
        <translation>Clic droit pour modifier la facture, clic gauche pour l&apos;afficher</translation>
    </message>
    <message>
        <source>Match bank statement...</source>
        <translation>Rapprocher un relevé bancaire...</translation>
    </message>
    <message>
        <source>View Options</source>
        <translation>Options d&apos;affichage</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Tout afficher</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Payées</translation>
    </message>
    <message>
        <source>UnPaid</source>
        <translation>Impayées</translation>
    </message>
    <message>
        <source>Hide Bad Debts</source>
        <translation>Masquer les créances irrécouvrables</translation>
    </message>
    <message>
        <source>Sent and Reminders</source>
        <translation>Envois et relances</translation>
    </message>
    <message>
        <source>Company View Options</source>
        <translation>Affichage par société</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Société</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Mark as UnPaid</source>
        <translation>Marquer comme impayée</translation>
    </message>
    <message>
        <source>Mark as Paid</source>
        <translation>Marquer comme payée</translation>
    </message>
    <message>
        <source>View Details</source>
        <translation>Voir le détail</translation>
    </message>
    <message>
        <source>Exclude This Client</source>
        <translation>Exclure ce client</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Mark As Bad Debt</source>
        <translation>Marquer comme créance irrécouvrable</translation>
    </message>
    <message>
        <source>Send by E-mail...</source>
        <translation>Envoyer par e-mail...</translation>
    </message>
    <message>
        <source>Reminder...</source>
        <translation>Relance...</translation>
    </message>
    <message>
        <source>Exit Menu</source>
        <translation>Quitter le menu</translation>
    </message>
    <message>
        <source>No Records</source>
        <translation>Aucune donnée</translation>
    </message>
    <message>
        <source>This invoice Has been paid!</source>
        <translation>Cette facture a été payée !</translation>
    </message>
    <message>
        <source>This Will Delete Invoice %1 proceed ?</source>
        <translation>Ceci va supprimer la facture %1. Continuer ?</translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation>Supprimer ?</translation>
    </message>
    <message>
        <source>This Invoice Has been PAID Confirm Delete?</source>
        <translation>Cette facture a été PAYÉE. Confirmer la suppression ?</translation>
    </message>
    <message>
        <source>Delete Paid?</source>
        <translation>Supprimer une facture payée ?</translation>
    </message>
    <message>
        <source>error</source>
        <translation>erreur</translation>
    </message>
    <message>
        <source>The database reported an error:
%1</source>
        <translation>La base de données a signalé une erreur :
%1</translation>
    </message>
</context>
<context>
    <name>InvoiceMail</name>
    <message>
        <source>Invoice {number} from {trading name}</source>
        <translation>Facture {number} de {trading name}</translation>
    </message>
    <message>
        <source>Dear {client},

Please find attached our invoice {number} of {date} for {total}, due for payment by {due date}.

Thank you for your business.

Kind regards,
{trading name}</source>
        <translation>Bonjour {client},

Veuillez trouver ci-joint notre facture {number} du {date} d&apos;un montant de {total}, payable au plus tard le {due date}.

Nous vous remercions de votre confiance.

Cordialement,
{trading name}</translation>
    </message>
    <message>
        <source>There is no identity %1.</source>
        <translation>L&apos;identité %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Invoice %1.pdf</source>
        <translation>Facture %1.pdf</translation>
    </message>
    <message>
        <source>Nothing was sent. Enter what is missing, or send a plain PDF by clearing &quot;Attach e-invoice (Factur-X)&quot; in the e-mail settings.</source>
        <translation>Rien n&apos;a été envoyé. Complétez ce qui manque, ou envoyez un simple PDF en décochant « Joindre la facture électronique (Factur-X) » dans les réglages e-mail.</translation>
    </message>
    <message>
        <source>the invoice number</source>
        <translation>le numéro de facture</translation>
    </message>
    <message>
        <source>the invoice&apos;s date</source>
        <translation>la date de la facture</translation>
    </message>
    <message>
        <source>the invoice&apos;s total</source>
        <translation>le total de la facture</translation>
    </message>
    <message>
        <source>the day payment is due</source>
        <translation>la date d&apos;échéance</translation>
    </message>
    <message>
        <source>the client&apos;s company, or name</source>
        <translation>la société ou le nom du client</translation>
    </message>
    <message>
        <source>your trading name</source>
        <translation>votre nom commercial</translation>
    </message>
    <message>
        <source>The client&apos;s e-mail address &quot;%1&quot; is not one address such as name@example.com: correct it on the Clients tab.</source>
        <translation>L&apos;adresse e-mail du client « %1 » n&apos;est pas une adresse unique comme nom@example.com : corrigez-la dans l&apos;onglet Clients.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The invoice no longer exists.</source>
        <translation>La facture n&apos;existe plus.</translation>
    </message>
</context>
<context>
    <name>InvoiceMailing</name>
    <message>
        <source>The message is open in your mail program, but the day it was sent could not be recorded.</source>
        <translation>Le message est ouvert dans votre messagerie, mais la date d&apos;envoi n&apos;a pas pu être enregistrée.</translation>
    </message>
</context>
<context>
    <name>InvoicePage</name>
    <message>
        <source>The logo %1 is missing or is not a picture that can be read, so the text logo is printed instead.</source>
        <translation>Le logo %1 est absent ou n&apos;est pas une image lisible ; le logo texte est donc imprimé à la place.</translation>
    </message>
    <message>
        <source>%1
The text logo is printed instead.</source>
        <translation>%1
Le logo texte est imprimé à la place.</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Facture</translation>
    </message>
    <message>
        <source>The PDF document cannot be started.</source>
        <translation>Le document PDF ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The PDF document cannot be finished.</source>
        <translation>Le document PDF ne peut pas être terminé.</translation>
    </message>
    <message>
        <source>The invoice cannot be read: %1</source>
        <translation>La facture ne peut pas être lue : %1</translation>
    </message>
    <message>
        <source>The client of invoice %1 has been deleted, so the invoice cannot be shown.</source>
        <translation>Le client de la facture %1 a été supprimé ; la facture ne peut donc pas être affichée.</translation>
    </message>
    <message>
        <source>This invoice no longer exists: it may have been deleted.</source>
        <translation>Cette facture n&apos;existe plus : elle a peut-être été supprimée.</translation>
    </message>
    <message>
        <source>Identity %1 has no invoice numbered %2.</source>
        <translation>L&apos;identité %1 n&apos;a pas de facture numérotée %2.</translation>
    </message>
</context>
<context>
    <name>InvoicePdfJob</name>
    <message>
        <source>There is no Billcraft database (%1) in %2.</source>
        <translation>Il n&apos;y a pas de base de données Billcraft (%1) dans %2.</translation>
    </message>
    <message>
        <source>There is no identity %1.</source>
        <translation>L&apos;identité %1 n&apos;existe pas.</translation>
    </message>
</context>
<context>
    <name>InvoicePreview</name>
    <message>
        <source>Printer Error</source>
        <translation>Erreur d&apos;imprimante</translation>
    </message>
    <message>
        <source>Print Invoice</source>
        <translation>Imprimer la facture</translation>
    </message>
    <message>
        <source>Invoice page</source>
        <translation>Page de facture</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Print the invoice (Ctrl+P)</source>
        <translation>Imprimer la facture (Ctrl+P)</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Enregistrer en PDF...</translation>
    </message>
    <message>
        <source>Save the invoice as a PDF file (Ctrl+S)</source>
        <translation>Enregistrer la facture en fichier PDF (Ctrl+S)</translation>
    </message>
    <message>
        <source>Save as e-invoice...</source>
        <translation>Enregistrer en facture électronique...</translation>
    </message>
    <message>
        <source>Save the invoice as an e-invoice: Factur-X, XRechnung or UBL</source>
        <translation>Enregistrer la facture comme facture électronique : Factur-X, XRechnung ou UBL</translation>
    </message>
    <message>
        <source>Send by E-mail...</source>
        <translation>Envoyer par e-mail...</translation>
    </message>
    <message>
        <source>Send the invoice to the client with your mail program</source>
        <translation>Envoyer la facture au client avec votre messagerie</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Ajuster à la largeur</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Page entière</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>
The invoice is shown with the default layout.</source>
        <translation>
La facture est affichée avec la mise en page par défaut.</translation>
    </message>
    <message>
        <source>Save Invoice as PDF</source>
        <translation>Enregistrer la facture en PDF</translation>
    </message>
    <message>
        <source>Invoice %1.pdf</source>
        <translation>Facture %1.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save Invoice as E-invoice</source>
        <translation>Enregistrer la facture en facture électronique</translation>
    </message>
    <message>
        <source>Invoice %1</source>
        <translation>Facture %1</translation>
    </message>
</context>
<context>
    <name>InvoiceStore</name>
    <message>
        <source>The starting number %1 is not a number.</source>
        <translation>Le numéro de départ %1 n&apos;est pas un nombre.</translation>
    </message>
</context>
<context>
    <name>InvoiceTerms</name>
    <message>
        <source>The identity&apos;s VAT rate %1 cannot be used.</source>
        <translation>Le taux de TVA %1 de l&apos;identité ne peut pas être utilisé.</translation>
    </message>
</context>
<context>
    <name>JetConversion</name>
    <message>
        <source>Reading %1...</source>
        <translation>Lecture de %1...</translation>
    </message>
    <message>
        <source>Reading the old database...</source>
        <translation>Lecture de l&apos;ancienne base de données...</translation>
    </message>
    <message>
        <source>This data folder holds a database from the earlier Windows program. Convert it to Billcraft&apos;s format? The original is kept as Accounts.jet.mdb.</source>
        <translation>Ce dossier de données contient une base de données de l&apos;ancien programme Windows. La convertir au format de Billcraft ? L&apos;original est conservé sous Accounts.jet.mdb.</translation>
    </message>
    <message>
        <source>The database could not be converted, and the data folder has been left as it was.
</source>
        <translation>La base de données n&apos;a pas pu être convertie ; le dossier de données est resté tel quel.
</translation>
    </message>
</context>
<context>
    <name>JetFile</name>
    <message>
        <source>reading it took more than %1 seconds</source>
        <translation>sa lecture a pris plus de %1 secondes</translation>
    </message>
    <message>
        <source>it yields more than %1 MB</source>
        <translation>elle produit plus de %1 Mo</translation>
    </message>
    <message>
        <source>its reading was cancelled</source>
        <translation>sa lecture a été annulée</translation>
    </message>
    <message>
        <source>%1 cannot be read: the Jet reader %2 cannot be started (%3).</source>
        <translation>%1 ne peut pas être lu : le lecteur Jet %2 ne peut pas être lancé (%3).</translation>
    </message>
    <message>
        <source>its reading was stopped at the limit of time or memory, or failed</source>
        <translation>sa lecture a été arrêtée à la limite de temps ou de mémoire, ou a échoué</translation>
    </message>
    <message>
        <source>its reading failed</source>
        <translation>sa lecture a échoué</translation>
    </message>
    <message>
        <source>%1 cannot be read; the file is damaged (%2).</source>
        <translation>%1 ne peut pas être lu ; le fichier est endommagé (%2).</translation>
    </message>
    <message>
        <source>%1: the table %2 cannot be read; the file is damaged (%3).</source>
        <translation>%1 : la table %2 ne peut pas être lue ; le fichier est endommagé (%3).</translation>
    </message>
</context>
<context>
    <name>JetImport</name>
    <message>
        <source>is no %1</source>
        <translation>n&apos;est pas du type %1</translation>
    </message>
    <message>
        <source>whole number</source>
        <translation>nombre entier</translation>
    </message>
    <message>
        <source>number</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texte</translation>
    </message>
    <message>
        <source>amount of money</source>
        <translation>montant</translation>
    </message>
    <message>
        <source>date</source>
        <translation>date</translation>
    </message>
    <message>
        <source>Yes/No value</source>
        <translation>valeur Oui/Non</translation>
    </message>
    <message>
        <source>row</source>
        <translation>ligne</translation>
    </message>
    <message>
        <source>rows</source>
        <translation>lignes</translation>
    </message>
    <message>
        <source>, Total %1, VAT %2</source>
        <translation>, Total %1, TVA %2</translation>
    </message>
    <message>
        <source> (no %1)</source>
        <translation> (sans %1)</translation>
    </message>
    <message>
        <source>it lacks the %1 %2, so it is not the database of the earlier Windows program.</source>
        <translation>il lui manque %1 %2 ; ce n&apos;est donc pas la base de données de l&apos;ancien programme Windows.</translation>
    </message>
    <message>
        <source>table</source>
        <translation>la table</translation>
    </message>
    <message>
        <source>tables</source>
        <translation>les tables</translation>
    </message>
    <message>
        <source>the table %1 has no column %2.</source>
        <translation>la table %1 n&apos;a pas de colonne %2.</translation>
    </message>
    <message>
        <source>%1, row %2: the column %3 %4.</source>
        <translation>%1, ligne %2 : la colonne %3 %4.</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>est vide</translation>
    </message>
    <message>
        <source>%1, row %2 could not be written: %3</source>
        <translation>%1, la ligne %2 n&apos;a pas pu être écrite : %3</translation>
    </message>
    <message>
        <source>%1: the file records %2 rows, but %3 could be read; the file is damaged or incomplete.</source>
        <translation>%1 : le fichier annonce %2 lignes, mais %3 ont pu être lues ; le fichier est endommagé ou incomplet.</translation>
    </message>
    <message>
        <source>%1: the new database holds %2 rows instead of %3. %4</source>
        <translation>%1 : la nouvelle base de données contient %2 lignes au lieu de %3. %4</translation>
    </message>
    <message>
        <source>TblInvoices: the invoices&apos; Total or VAT add up to more than an amount can hold.</source>
        <translation>TblInvoices : les totaux ou la TVA des factures dépassent ce qu&apos;un montant peut contenir.</translation>
    </message>
    <message>
        <source>TblInvoices: the sums of Total and VAT in the new database differ from the file&apos;s. %1</source>
        <translation>TblInvoices : les sommes des totaux et de la TVA dans la nouvelle base de données diffèrent de celles du fichier. %1</translation>
    </message>
    <message>
        <source>the new database cannot be written: %1</source>
        <translation>la nouvelle base de données ne peut pas être écrite : %1</translation>
    </message>
    <message>
        <source>The new database cannot be written in %1: there is no space left on the disk.</source>
        <translation>La nouvelle base de données ne peut pas être écrite dans %1 : il n&apos;y a plus d&apos;espace sur le disque.</translation>
    </message>
    <message>
        <source>A conversion of %1 was interrupted, and %2 cannot be given its name back: %3</source>
        <translation>Une conversion de %1 a été interrompue, et %2 ne peut pas reprendre son nom : %3</translation>
    </message>
    <message>
        <source>A conversion of %1 was interrupted, and %2 cannot be removed: %3</source>
        <translation>Une conversion de %1 a été interrompue, et %2 ne peut pas être supprimé : %3</translation>
    </message>
    <message>
        <source>%1, left by an interrupted conversion, cannot be removed: %2</source>
        <translation>%1, laissé par une conversion interrompue, ne peut pas être supprimé : %2</translation>
    </message>
    <message>
        <source>%1 cannot be kept as %2: %3</source>
        <translation>%1 ne peut pas être conservé sous %2 : %3</translation>
    </message>
    <message>
        <source>%1 already holds a database (%2). Billcraft converts only into a data folder without one.</source>
        <translation>%1 contient déjà une base de données (%2). Billcraft ne convertit que vers un dossier de données qui n&apos;en contient pas.</translation>
    </message>
    <message>
        <source>%1 already holds %2, the original of an earlier conversion. Move it elsewhere first.</source>
        <translation>%1 contient déjà %2, l&apos;original d&apos;une conversion précédente. Déplacez-le d&apos;abord ailleurs.</translation>
    </message>
    <message>
        <source>The new database could not be completed in %1.</source>
        <translation>La nouvelle base de données n&apos;a pas pu être finalisée dans %1.</translation>
    </message>
    <message>
        <source>The new database cannot be saved in %1: %2</source>
        <translation>La nouvelle base de données ne peut pas être enregistrée dans %1 : %2</translation>
    </message>
    <message>
        <source>The new database cannot be moved into place as %1: %2</source>
        <translation>La nouvelle base de données ne peut pas être mise en place sous %1 : %2</translation>
    </message>
    <message>
        <source>Another Billcraft is converting the books in %1.</source>
        <translation>Un autre Billcraft est en train de convertir la comptabilité dans %1.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be written to.</source>
        <translation>Impossible d&apos;écrire dans le dossier de données %1.</translation>
    </message>
</context>
<context>
    <name>KeyRules</name>
    <message>
        <source>There is an error with your date</source>
        <translation>Votre date contient une erreur</translation>
    </message>
</context>
<context>
    <name>LanguageBox</name>
    <message>
        <source>Billcraft will show its texts in this language from its next start.</source>
        <translation>Billcraft affichera ses textes dans cette langue à partir du prochain démarrage.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Desktop language</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>The choice could not be kept for the next start: %1</source>
        <translation>Le choix n&apos;a pas pu être conservé pour le prochain démarrage : %1</translation>
    </message>
</context>
<context>
    <name>LayoutDesigner</name>
    <message>
        <source>Invoice Layout</source>
        <translation>Mise en page</translation>
    </message>
    <message>
        <source>Header Layout</source>
        <translation>En-tête</translation>
    </message>
    <message>
        <source>Show Divider Line</source>
        <translation>Ligne de séparation</translation>
    </message>
    <message>
        <source>Address As Line</source>
        <translation>Adresse en ligne</translation>
    </message>
    <message>
        <source>Use Logo</source>
        <translation>Avec logo</translation>
    </message>
    <message>
        <source>Body Layout</source>
        <translation>Corps</translation>
    </message>
    <message>
        <source>Footer Layout</source>
        <translation>Pied de page</translation>
    </message>
    <message>
        <source>VAT Registered</source>
        <translation>Assujetti à la TVA</translation>
    </message>
    <message>
        <source>VAT Rate</source>
        <translation>Taux de TVA</translation>
    </message>
    <message>
        <source>Align Lefts</source>
        <translation>Aligner à gauche</translation>
    </message>
    <message>
        <source>Align Rights</source>
        <translation>Aligner à droite</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Tip: Left Click to Drag</source>
        <translation>Astuce : clic gauche pour déplacer</translation>
    </message>
    <message>
        <source>Tip: Right Click to edit Label text</source>
        <translation>Astuce : clic droit pour modifier le libellé</translation>
    </message>
    <message>
        <source>Tip: Shift + Right Click to Use Auto Align</source>
        <translation>Astuce : Maj + clic droit pour l&apos;alignement automatique</translation>
    </message>
    <message>
        <source>Cords</source>
        <translation>Coord.</translation>
    </message>
    <message>
        <source>Grab Top</source>
        <translation>Prise haut</translation>
    </message>
    <message>
        <source>Grab Left</source>
        <translation>Prise gauche</translation>
    </message>
    <message>
        <source>Drop Top</source>
        <translation>Dépôt haut</translation>
    </message>
    <message>
        <source>Drop Left</source>
        <translation>Dépôt gauche</translation>
    </message>
    <message>
        <source>
The designer shows the initial arrangement; the file is left as it is until you save.</source>
        <translation>
Le concepteur affiche la disposition initiale ; le fichier reste tel quel jusqu&apos;à l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>Cant find logo</source>
        <translation>Logo introuvable</translation>
    </message>
    <message>
        <source>The logo %1 is not a picture that can be read.</source>
        <translation>Le logo %1 n&apos;est pas une image lisible.</translation>
    </message>
    <message>
        <source>The VAT Rate must be a percentage from %1 to %2.</source>
        <translation>Le taux de TVA doit être un pourcentage de %1 à %2.</translation>
    </message>
    <message>
        <source>Save Changes?</source>
        <translation>Enregistrer les modifications ?</translation>
    </message>
    <message>
        <source>Invoice Content</source>
        <translation>Contenu de la facture</translation>
    </message>
    <message>
        <source>Mr</source>
        <translation>M.</translation>
    </message>
    <message>
        <source>John</source>
        <translation>Jean</translation>
    </message>
    <message>
        <source>Smith</source>
        <translation>Dupont</translation>
    </message>
    <message>
        <source>Client Company Ltd</source>
        <translation>Société Cliente SARL</translation>
    </message>
    <message>
        <source>1 High Street</source>
        <translation>1 rue Principale</translation>
    </message>
    <message>
        <source>Anytown</source>
        <translation>Paris</translation>
    </message>
    <message>
        <source>AB1 2CD</source>
        <translation>75001</translation>
    </message>
    <message>
        <source>One of your lables required moving </source>
        <translation>Un de vos libellés a dû être déplacé </translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Charger une image</translation>
    </message>
    <message>
        <source>All image files (*.bmp *.jpg *.jpeg *.pcx *.gif *.png *.BMP *.JPG *.JPEG *.PCX *.GIF *.PNG)</source>
        <translation>Tous les fichiers image (*.bmp *.jpg *.jpeg *.pcx *.gif *.png *.BMP *.JPG *.JPEG *.PCX *.GIF *.PNG)</translation>
    </message>
    <message>
        <source>BMP files (*.bmp *.BMP)</source>
        <translation>Fichiers BMP (*.bmp *.BMP)</translation>
    </message>
    <message>
        <source>JPEG files (*.jpg *.jpeg *.JPG *.JPEG)</source>
        <translation>Fichiers JPEG (*.jpg *.jpeg *.JPG *.JPEG)</translation>
    </message>
    <message>
        <source>GIF files (*.gif *.GIF)</source>
        <translation>Fichiers GIF (*.gif *.GIF)</translation>
    </message>
    <message>
        <source>PCX files (*.pcx *.PCX)</source>
        <translation>Fichiers PCX (*.pcx *.PCX)</translation>
    </message>
    <message>
        <source>PNG files (*.png *.PNG)</source>
        <translation>Fichiers PNG (*.png *.PNG)</translation>
    </message>
    <message>
        <source>%1 is not a picture that can be used as a logo.</source>
        <translation>%1 n&apos;est pas une image utilisable comme logo.</translation>
    </message>
    <message>
        <source>The logo could not be copied into the books.
%1</source>
        <translation>Le logo n&apos;a pas pu être copié dans la comptabilité.
%1</translation>
    </message>
    <message>
        <source>This date box automatically puts the date in
No text changes will be saved
Although Colours and Fonts will be</source>
        <translation>Cette zone de date insère automatiquement la date
Les modifications du texte ne seront pas enregistrées
mais les couleurs et les polices le seront</translation>
    </message>
</context>
<context>
    <name>LayoutFiles</name>
    <message>
        <source>The settings of identity %1 cannot be read: %2</source>
        <translation>Les réglages de l&apos;identité %1 ne peuvent pas être lus : %2</translation>
    </message>
    <message>
        <source>Identity %1 is not in the database.</source>
        <translation>L&apos;identité %1 n&apos;est pas dans la base de données.</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1 cannot be converted: %2</source>
        <translation>%1 ne peut pas être converti : %2</translation>
    </message>
    <message>
        <source>%1 has no Identity column, so its rows belong to no identity.</source>
        <translation>%1 n&apos;a pas de colonne Identity ; ses lignes n&apos;appartiennent donc à aucune identité.</translation>
    </message>
    <message>
        <source>%1 has a damaged layout for identity %2. %3</source>
        <translation>%1 contient une mise en page endommagée pour l&apos;identité %2. %3</translation>
    </message>
    <message>
        <source>Identity %1 starts with the default layout; %2 is left as it is.</source>
        <translation>L&apos;identité %1 démarre avec la mise en page par défaut ; %2 reste tel quel.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>Identity %1 has no layout file and no row in %2, so its VAT default cannot be saved.</source>
        <translation>L&apos;identité %1 n&apos;a ni fichier de mise en page ni ligne dans %2 ; son réglage de TVA par défaut ne peut donc pas être enregistré.</translation>
    </message>
</context>
<context>
    <name>LayoutPreview</name>
    <message>
        <source>Invoice page</source>
        <translation>Page de facture</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Facture</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>LayoutRecord</name>
    <message>
        <source>Its %1 is %2, and a VAT rate is a percentage from %3 to %4.</source>
        <translation>Son %1 vaut %2, et un taux de TVA est un pourcentage de %3 à %4.</translation>
    </message>
    <message>
        <source>Its %1 is %2, and a font size is 0 (not set) or from %3 to %4 points.</source>
        <translation>Son %1 vaut %2, et une taille de police vaut 0 (non définie) ou de %3 à %4 points.</translation>
    </message>
    <message>
        <source>Sub Total</source>
        <translation>Sous-total</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>TVA</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Désignation</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Facture</translation>
    </message>
</context>
<context>
    <name>LongWork</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>MailLauncher</name>
    <message>
        <source>No mail program could be started (%1: %2).</source>
        <translation>Aucune messagerie n&apos;a pu être lancée (%1 : %2).</translation>
    </message>
    <message>
        <source>This computer has no mail program set up.</source>
        <translation>Aucune messagerie n&apos;est configurée sur cet ordinateur.</translation>
    </message>
    <message>
        <source>The mail program did not take the message (%1 ended with code %2).</source>
        <translation>La messagerie n&apos;a pas accepté le message (%1 s&apos;est terminé avec le code %2).</translation>
    </message>
    <message>
        <source>The folder %1 cannot be shown.</source>
        <translation>Le dossier %1 ne peut pas être affiché.</translation>
    </message>
    <message>
        <source>The address &quot;%1&quot; cannot be given to a mail program.</source>
        <translation>L&apos;adresse « %1 » ne peut pas être transmise à un programme de messagerie.</translation>
    </message>
</context>
<context>
    <name>MailSending</name>
    <message>
        <source>%1

The file is saved as %2, so that you can attach it to a message yourself.</source>
        <translation>%1

Le fichier est enregistré sous %2 pour que vous puissiez le joindre vous-même à un message.</translation>
    </message>
</context>
<context>
    <name>MailSettingsDialog</name>
    <message>
        <source>Fields you can use in the subject and message:</source>
        <translation>Champs utilisables dans l&apos;objet et le message :</translation>
    </message>
    <message>
        <source>E-mail settings</source>
        <translation>Réglages e-mail</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Attach e-invoice (Factur-X)</source>
        <translation>Joindre la facture électronique (Factur-X)</translation>
    </message>
    <message>
        <source>Default wording</source>
        <translation>Texte par défaut</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The e-mail settings could not be saved.</source>
        <translation>Les réglages e-mail n&apos;ont pas pu être enregistrés.</translation>
    </message>
    <message>
        <source>The e-mail settings could not be read.</source>
        <translation>Les réglages e-mail n&apos;ont pas pu être lus.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Keep the database and layout files in &lt;dir&gt; instead of %1.</source>
        <translation>Conserver la base de données et les fichiers de mise en page dans &lt;dir&gt; au lieu de %1.</translation>
    </message>
    <message>
        <source>Write the invoice numbered &lt;number&gt; as PDF to the --out file and exit, without opening a window.</source>
        <translation>Écrire la facture numérotée &lt;number&gt; en PDF dans le fichier --out et quitter, sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <source>Write the invoice numbered &lt;number&gt; as an e-invoice in the --format given to the --out file and exit, without opening a window.</source>
        <translation>Écrire la facture numérotée &lt;number&gt; comme facture électronique au --format indiqué dans le fichier --out et quitter, sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <source>The e-invoice format --einvoice writes: facturx (a PDF with its XML), xrechnung or ubl.</source>
        <translation>Le format de facture électronique écrit par --einvoice : facturx (un PDF avec son XML), xrechnung ou ubl.</translation>
    </message>
    <message>
        <source>The file --invoice-pdf or --einvoice writes.</source>
        <translation>Le fichier écrit par --invoice-pdf ou --einvoice.</translation>
    </message>
    <message>
        <source>The trading identity whose invoice --invoice-pdf or --einvoice writes, or whose unpaid invoices --match-statement matches (default: the lowest-numbered one).</source>
        <translation>L&apos;identité commerciale dont --invoice-pdf ou --einvoice écrit la facture, ou dont --match-statement rapproche les factures impayées (par défaut : celle de plus petit numéro).</translation>
    </message>
    <message>
        <source>Convert &lt;file&gt;, the Accounts.mdb of the earlier Windows program, into the data folder&apos;s Accounts.mdb and exit, without opening a window. When &lt;file&gt; is the folder&apos;s own Accounts.mdb, it is kept as Accounts.jet.mdb.</source>
        <translation>Convertir &lt;file&gt;, le fichier Accounts.mdb de l&apos;ancien programme Windows, en Accounts.mdb du dossier de données et quitter, sans ouvrir de fenêtre. Si &lt;file&gt; est le propre Accounts.mdb du dossier, il est conservé sous Accounts.jet.mdb.</translation>
    </message>
    <message>
        <source>Write a backup archive of the data folder&apos;s database to &lt;file&gt; (a zip holding Accounts.mdb, as the Back Up button makes) and exit, without opening a window.</source>
        <translation>Écrire une archive de sauvegarde de la base de données du dossier de données dans &lt;file&gt; (un zip contenant Accounts.mdb, comme le fait le bouton Sauvegarder) et quitter, sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <source>Read the received e-invoice &lt;file&gt; (Factur-X / ZUGFeRD PDF, XRechnung or other CII XML, UBL XML), print its seller, number, date, net, VAT and total, one a line, and exit, without opening a window.</source>
        <translation>Lire la facture électronique reçue &lt;file&gt; (PDF Factur-X / ZUGFeRD, XRechnung ou autre XML CII, XML UBL), afficher son vendeur, son numéro, sa date, le HT, la TVA et le total, un par ligne, et quitter, sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <source>Use the shared books on the PostgreSQL server at &lt;url&gt; (postgresql://user@host:port/dbname?sslmode=...) instead of the data folder&apos;s database. Billcraft keeps no password: libpq&apos;s ~/.pgpass, service file or environment give it.</source>
        <translation>Utiliser la comptabilité partagée du serveur PostgreSQL à &lt;url&gt; (postgresql://user@host:port/dbname?sslmode=...) au lieu de la base de données du dossier de données. Billcraft ne conserve aucun mot de passe : le ~/.pgpass de libpq, le fichier de service ou l&apos;environnement le fournissent.</translation>
    </message>
    <message>
        <source>Copy the data folder&apos;s books, with its layouts, logos and help, into the empty server database at &lt;url&gt; and exit, without opening a window.</source>
        <translation>Copier la comptabilité du dossier de données, avec ses mises en page, logos et aide, dans la base vide du serveur à &lt;url&gt; et quitter, sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <source>Match the credits of the bank statement &lt;file&gt; (camt.053, MT940 or a CSV file of a bank met before) to the identity&apos;s unpaid invoices, print one line per entry (sure, likely, none, debit or done; the invoice numbers or -; the amount; the date; the bank reference) and exit, without opening a window or changing the books.</source>
        <translation>Rapprocher les crédits du relevé bancaire &lt;file&gt; (camt.053, MT940 ou fichier CSV d&apos;une banque déjà rencontrée) des factures impayées de l&apos;identité, afficher une ligne par écriture (sure, likely, none, debit ou done ; les numéros de facture ou - ; le montant ; la date ; la référence bancaire) et quitter, sans ouvrir de fenêtre ni modifier la comptabilité.</translation>
    </message>
    <message>
        <source>Invoicing for sole traders and small companies.</source>
        <translation>Facturation pour les entrepreneurs individuels et les petites entreprises.</translation>
    </message>
    <message>
        <source>--database: %1</source>
        <translation>--database : %1</translation>
    </message>
    <message>
        <source>--identity needs a number, not &quot;%1&quot;.</source>
        <translation>--identity attend un nombre, et non « %1 ».</translation>
    </message>
    <message>
        <source>--invoice-pdf needs --out FILE, the PDF to write.</source>
        <translation>--invoice-pdf attend --out FILE, le PDF à écrire.</translation>
    </message>
    <message>
        <source>--einvoice needs --out FILE, the file to write.</source>
        <translation>--einvoice attend --out FILE, le fichier à écrire.</translation>
    </message>
    <message>
        <source>--einvoice needs --format facturx, xrechnung or ubl, not &quot;%1&quot;.</source>
        <translation>--einvoice attend --format facturx, xrechnung ou ubl, et non « %1 ».</translation>
    </message>
    <message>
        <source>--backup needs FILE, the archive to write, before any other option; &quot;%1&quot; is an option (write ./%1 for a file of that name).</source>
        <translation>--backup attend FILE, l&apos;archive à écrire, avant toute autre option ; « %1 » est une option (écrivez ./%1 pour un fichier de ce nom).</translation>
    </message>
    <message>
        <source>--copy-to: %1</source>
        <translation>--copy-to : %1</translation>
    </message>
    <message>
        <source>Copied %1 to %2 in %3 s.</source>
        <translation>%1 copié vers %2 en %3 s.</translation>
    </message>
    <message>
        <source>Billcraft could not remove these files, left behind when it was stopped while writing them:
%1</source>
        <translation>Billcraft n&apos;a pas pu supprimer ces fichiers, laissés lorsqu&apos;il a été arrêté pendant leur écriture :
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Enter the new identity&apos;s trading details now? Its e-invoices need its legal name, address, VAT number and bank account.</source>
        <translation>Saisir maintenant les coordonnées de la nouvelle identité ? Ses factures électroniques exigent sa dénomination sociale, son adresse, son numéro de TVA intracommunautaire et son compte bancaire.</translation>
    </message>
    <message>
        <source>The trading identities could not be read.
</source>
        <translation>Les identités commerciales n&apos;ont pas pu être lues.
</translation>
    </message>
    <message>
        <source>Billcraft version</source>
        <translation>Version de Billcraft</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Check For Web Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Back Up</source>
        <translation>Sauvegarder</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>Nouvelle identité</translation>
    </message>
    <message>
        <source>Switch Users</source>
        <translation>Changer d&apos;identité</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>Trading details...</source>
        <translation>Coordonnées société...</translation>
    </message>
    <message>
        <source>E-mail settings...</source>
        <translation>Réglages e-mail...</translation>
    </message>
    <message>
        <source>Connect to shared books...</source>
        <translation>Connexion à une comptabilité partagée...</translation>
    </message>
    <message>
        <source>Clients</source>
        <translation>Clients</translation>
    </message>
    <message>
        <source>Make Invoice</source>
        <translation>Nouvelle facture</translation>
    </message>
    <message>
        <source>Find Invoices</source>
        <translation>Rechercher des factures</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Invoice Layout</source>
        <translation>Mise en page</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>The database could not be given its column for client notes, so notes cannot be kept.
</source>
        <translation>La base de données n&apos;a pas pu recevoir sa colonne pour les notes clients ; les notes ne peuvent donc pas être conservées.
</translation>
    </message>
    <message>
        <source>Billcraft version %1 %2</source>
        <translation>Billcraft version %1 %2</translation>
    </message>
    <message>
        <source> - shared books %1</source>
        <translation> - comptabilité partagée %1</translation>
    </message>
    <message>
        <source>The web address %1 could not be opened.</source>
        <translation>L&apos;adresse web %1 n&apos;a pas pu être ouverte.</translation>
    </message>
    <message>
        <source>Quit Program.. proceed ?</source>
        <translation>Quitter le programme ?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>MakeInvoiceTab</name>
    <message>
        <source>What Starting Invoice Number would You like to use?
Billcraft adds a leading zero to all invoice numbers</source>
        <translation>Quel numéro de facture de départ voulez-vous utiliser ?
Billcraft ajoute un zéro en tête de tous les numéros de facture</translation>
    </message>
    <message>
        <source>Invoice numbers were started in another Billcraft window in the meantime, so your starting number was not used: this invoice is number %1.</source>
        <translation>Des numéros de facture ont été initialisés entre-temps dans une autre fenêtre Billcraft ; votre numéro de départ n&apos;a donc pas été utilisé : cette facture porte le numéro %1.</translation>
    </message>
    <message>
        <source>You have chosen to change the setting for VAT
Do you want this to be the default state for this identity?</source>
        <translation>Vous avez choisi de modifier le réglage de TVA
Voulez-vous en faire le réglage par défaut de cette identité ?</translation>
    </message>
    <message>
        <source>Make Invoice</source>
        <translation>Nouvelle facture</translation>
    </message>
    <message>
        <source>Select Client:</source>
        <translation>Choisir le client :</translation>
    </message>
    <message>
        <source>ClientID</source>
        <translation>N° client</translation>
    </message>
    <message>
        <source>Invoice Content (description of goods and services)</source>
        <translation>Contenu de la facture (description des biens et services)</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Montant HT</translation>
    </message>
    <message>
        <source>Add VAT</source>
        <translation>Avec TVA</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>TVA</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total TTC</translation>
    </message>
    <message>
        <source>Less 18% CIS</source>
        <translation>Moins 18 % CIS</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Ajouter %1</translation>
    </message>
    <message>
        <source>The VAT setting could not be saved as the default.</source>
        <translation>Le réglage de TVA n&apos;a pas pu être enregistré par défaut.</translation>
    </message>
    <message>
        <source>Please Select a Client</source>
        <translation>Veuillez choisir un client</translation>
    </message>
    <message>
        <source>Invoice Numbers must be Numbers only</source>
        <translation>Les numéros de facture ne doivent contenir que des chiffres</translation>
    </message>
    <message>
        <source>The invoice could not be made; nothing was saved.
</source>
        <translation>La facture n&apos;a pas pu être créée ; rien n&apos;a été enregistré.
</translation>
    </message>
    <message>
        <source>The invoice could not be saved.
</source>
        <translation>La facture n&apos;a pas pu être enregistrée.
</translation>
    </message>
    <message>
        <source>The invoice could not be loaded for editing.
</source>
        <translation>La facture n&apos;a pas pu être chargée pour modification.
</translation>
    </message>
    <message>
        <source>This invoice no longer exists.</source>
        <translation>Cette facture n&apos;existe plus.</translation>
    </message>
</context>
<context>
    <name>MatchStatementWindow</name>
    <message>
        <source>Sure</source>
        <translation>Sûr</translation>
    </message>
    <message>
        <source>Likely</source>
        <translation>Probable</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Not a payment</source>
        <translation>Pas un paiement</translation>
    </message>
    <message>
        <source>Done before</source>
        <translation>Déjà traité</translation>
    </message>
    <message>
        <source>Match bank statement</source>
        <translation>Rapprocher un relevé bancaire</translation>
    </message>
    <message>
        <source>Bank entries</source>
        <translation>Écritures bancaires</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accepter</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Payer</source>
        <translation>Payeur</translation>
    </message>
    <message>
        <source>Remittance</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>Proposal</source>
        <translation>Proposition</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Facture</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Pay invoice</source>
        <translation>Facture réglée</translation>
    </message>
    <message>
        <source>(no invoice)</source>
        <translation>(aucune facture)</translation>
    </message>
    <message>
        <source>Mark accepted paid</source>
        <translation>Valider les rapprochements acceptés</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No credit is accepted: check the ones that pay an invoice, or pick the invoice they pay.</source>
        <translation>Aucun crédit n&apos;est accepté : cochez ceux qui paient une facture, ou choisissez la facture qu&apos;ils paient.</translation>
    </message>
    <message>
        <source>Invoices marked paid: %1, from %2 bank entries.</source>
        <translation>Factures marquées payées : %1, d&apos;après %2 écritures bancaires.</translation>
    </message>
    <message>
        <source>The statement holds no entries.</source>
        <translation>Le relevé ne contient aucune écriture.</translation>
    </message>
</context>
<context>
    <name>NewIdentity</name>
    <message>
        <source>The new identity could not be stored: %1 %2</source>
        <translation>La nouvelle identité n&apos;a pas pu être enregistrée : %1 %2</translation>
    </message>
    <message>
        <source>The Company Name can have at most %1 characters.</source>
        <translation>La raison sociale peut compter au plus %1 caractères.</translation>
    </message>
    <message>
        <source>The first invoice number can be at most %1.</source>
        <translation>Le premier numéro de facture peut valoir au plus %1.</translation>
    </message>
    <message>
        <source>the database is busy.</source>
        <translation>la base de données est occupée.</translation>
    </message>
    <message>
        <source>the identities cannot be read.</source>
        <translation>les identités ne peuvent pas être lues.</translation>
    </message>
    <message>
        <source>its row cannot be added.</source>
        <translation>sa ligne ne peut pas être ajoutée.</translation>
    </message>
    <message>
        <source>it was given no usable number.</source>
        <translation>aucun numéro utilisable ne lui a été attribué.</translation>
    </message>
    <message>
        <source>its starting invoice cannot be added.</source>
        <translation>sa facture de départ ne peut pas être ajoutée.</translation>
    </message>
    <message>
        <source>the database refused the change.</source>
        <translation>la base de données a refusé la modification.</translation>
    </message>
    <message>
        <source>You must enter the Company Name</source>
        <translation>Vous devez saisir la raison sociale</translation>
    </message>
    <message>
        <source>That Identity already exists</source>
        <translation>Cette identité existe déjà</translation>
    </message>
</context>
<context>
    <name>OnlineUpdate</name>
    <message>
        <source>%1 does not hold a revision number.</source>
        <translation>%1 ne contient pas de numéro de révision.</translation>
    </message>
    <message>
        <source>The program file %1 is not the user&apos;s to replace.</source>
        <translation>Le fichier programme %1 n&apos;appartient pas à l&apos;utilisateur, qui ne peut pas le remplacer.</translation>
    </message>
    <message>
        <source>The signature of %1 does not match it.</source>
        <translation>La signature de %1 ne lui correspond pas.</translation>
    </message>
    <message>
        <source>%1 is revision &quot;%2&quot;, not the newer %3 announced.</source>
        <translation>%1 est la révision « %2 », et non la révision plus récente %3 annoncée.</translation>
    </message>
</context>
<context>
    <name>PageSettings</name>
    <message>
        <source>VAT</source>
        <translation>TVA</translation>
    </message>
</context>
<context>
    <name>QSQLiteResult</name>
    <message>
        <source>Unable to fetch row</source>
        <translation>Impossible de récupérer la ligne</translation>
    </message>
    <message>
        <source>Unable to execute statement</source>
        <translation>Impossible d&apos;exécuter la requête</translation>
    </message>
</context>
<context>
    <name>ReceivedExpense</name>
    <message>
        <source>%1, credit note %2</source>
        <translation>%1, avoir %2</translation>
    </message>
    <message>
        <source>%1, invoice %2</source>
        <translation>%1, facture %2</translation>
    </message>
</context>
<context>
    <name>ReceivedInvoiceWindow</name>
    <message>
        <source>E-invoice %1 from %2</source>
        <translation>Facture électronique %1 de %2</translation>
    </message>
    <message>
        <source>E-invoice</source>
        <translation>Facture électronique</translation>
    </message>
    <message>
        <source>Add as expense</source>
        <translation>Ajouter en dépense</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Read e-invoice</source>
        <translation>Lire une facture électronique</translation>
    </message>
    <message>
        <source>E-invoices (*.xml *.pdf)</source>
        <translation>Factures électroniques (*.xml *.pdf)</translation>
    </message>
    <message>
        <source>This invoice is in %1 and your books are in %2. Add its amounts as they are?</source>
        <translation>Cette facture est en %1 et votre comptabilité en %2. Ajouter ses montants tels quels ?</translation>
    </message>
    <message>
        <source>The expenses could not be read:
%1</source>
        <translation>Les dépenses n&apos;ont pas pu être lues :
%1</translation>
    </message>
    <message>
        <source>There is already an expense &quot;%1&quot; dated %2. Add this invoice again?</source>
        <translation>Il existe déjà une dépense « %1 » datée du %2. Ajouter de nouveau cette facture ?</translation>
    </message>
    <message>
        <source>The expense could not be saved:
%1</source>
        <translation>La dépense n&apos;a pas pu être enregistrée :
%1</translation>
    </message>
</context>
<context>
    <name>ReminderLetter</name>
    <message>
        <source>Reminder</source>
        <translation>Relance</translation>
    </message>
    <message>
        <source>Second Reminder</source>
        <translation>Deuxième relance</translation>
    </message>
    <message>
        <source>Final Reminder</source>
        <translation>Dernière relance</translation>
    </message>
    <message>
        <source>Dear {client},

According to our records, invoice {number} of {date} for {total} was due for payment on {due date} and has not yet been paid. Perhaps it has been overlooked.

We would be grateful if you could pay {amount due} at your earliest convenience. If you have already paid, please disregard this letter.

Kind regards,
{trading name}</source>
        <translation>À l&apos;attention de {client}

Madame, Monsieur,

Sauf erreur de notre part, la facture {number} du {date} d&apos;un montant de {total}, payable au plus tard le {due date}, n&apos;a pas encore été réglée. Il s&apos;agit peut-être d&apos;un oubli.

Nous vous serions reconnaissants de bien vouloir régler la somme de {amount due} dans les meilleurs délais. Si vous avez déjà effectué ce paiement, veuillez ne pas tenir compte de ce courrier.

Cordialement,
{trading name}</translation>
    </message>
    <message>
        <source>Dear {client},

Invoice {number} of {date} for {total}, due for payment on {due date}, remains unpaid despite our first reminder.

Please pay {amount due} within seven days of the date of this letter.

Yours sincerely,
{trading name}</source>
        <translation>À l&apos;attention de {client}

Madame, Monsieur,

Malgré notre première relance, la facture {number} du {date} d&apos;un montant de {total}, payable au plus tard le {due date}, reste impayée.

Nous vous prions de régler la somme de {amount due} sous sept jours à compter de la date du présent courrier.

Veuillez agréer, Madame, Monsieur, nos salutations distinguées.
{trading name}</translation>
    </message>
    <message>
        <source>Dear {client},

Despite our earlier reminders, invoice {number} of {date} for {total}, due for payment on {due date}, remains unpaid.

This is our final reminder. Unless we receive {amount due} within seven days of the date of this letter, we will take further steps to recover the debt without further notice.

Yours faithfully,
{trading name}</source>
        <translation>À l&apos;attention de {client}

Madame, Monsieur,

Malgré nos précédentes relances, la facture {number} du {date} d&apos;un montant de {total}, payable au plus tard le {due date}, reste impayée.

Ceci est notre dernière relance. Faute de réception de la somme de {amount due} sous sept jours à compter de la date du présent courrier, nous engagerons sans autre préavis les démarches nécessaires au recouvrement de cette créance.

Veuillez agréer, Madame, Monsieur, nos salutations distinguées.
{trading name}</translation>
    </message>
    <message>
        <source>Invoice Total</source>
        <translation>Total de la facture</translation>
    </message>
    <message>
        <source>Reminder Fee</source>
        <translation>Frais de relance</translation>
    </message>
    <message>
        <source>Amount Due</source>
        <translation>Montant dû</translation>
    </message>
    <message>
        <source>Invoice %1 of %2</source>
        <translation>Facture %1 du %2</translation>
    </message>
    <message>
        <source>The fee added to the invoice total is too large to be printed.</source>
        <translation>Les frais ajoutés au total de la facture sont trop élevés pour être imprimés.</translation>
    </message>
</context>
<context>
    <name>ReminderSettingsDialog</name>
    <message>
        <source>Reminders</source>
        <translation>Relances</translation>
    </message>
    <message>
        <source>Fields: {number} {date} {due date} {total} {fee} {amount due} {trading name} {client}</source>
        <translation>Champs : {number} {date} {due date} {total} {fee} {amount due} {trading name} {client}</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Fee</source>
        <translation>Frais</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The fee of the %1 is not an amount of money.</source>
        <translation>Les frais pour « %1 » ne sont pas un montant.</translation>
    </message>
</context>
<context>
    <name>ReminderWindow</name>
    <message>
        <source>Print Reminder</source>
        <translation>Imprimer la relance</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Relance</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Fee</source>
        <translation>Frais</translation>
    </message>
    <message>
        <source>Preview...</source>
        <translation>Aperçu...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Enregistrer en PDF...</translation>
    </message>
    <message>
        <source>Send by E-mail...</source>
        <translation>Envoyer par e-mail...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>
The reminder is printed with the default layout.</source>
        <translation>
La relance est imprimée avec la mise en page par défaut.</translation>
    </message>
    <message>
        <source>Reminder: invoice %1, %2</source>
        <translation>Relance : facture %1, %2</translation>
    </message>
    <message>
        <source>The fee is not an amount of money between 0 and %1.</source>
        <translation>Les frais ne sont pas un montant compris entre 0 et %1.</translation>
    </message>
    <message>
        <source>The reminder could not be printed.</source>
        <translation>La relance n&apos;a pas pu être imprimée.</translation>
    </message>
    <message>
        <source>Save Reminder as PDF</source>
        <translation>Enregistrer la relance en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Le dossier %1 n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>%1: invoice %2 from %3</source>
        <translation>%1 : facture %2 de %3</translation>
    </message>
    <message>
        <source>The reminder was made, but the invoice could not record it:
%1</source>
        <translation>La relance a été créée, mais la facture n&apos;a pas pu l&apos;enregistrer :
%1</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>There is no identity %1.</source>
        <translation>L&apos;identité %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The invoice no longer exists.</source>
        <translation>La facture n&apos;existe plus.</translation>
    </message>
    <message>
        <source>A reminder fee must be between 0 and %1.</source>
        <translation>Les frais de relance doivent être compris entre 0 et %1.</translation>
    </message>
</context>
<context>
    <name>ReportsTab</name>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Start Day</source>
        <translation>Jour de début</translation>
    </message>
    <message>
        <source>Start Month</source>
        <translation>Mois de début</translation>
    </message>
    <message>
        <source>Start Year</source>
        <translation>Année de début</translation>
    </message>
    <message>
        <source>End Day</source>
        <translation>Jour de fin</translation>
    </message>
    <message>
        <source>End Month</source>
        <translation>Mois de fin</translation>
    </message>
    <message>
        <source>End Year</source>
        <translation>Année de fin</translation>
    </message>
    <message>
        <source>Get The VAT</source>
        <translation>Calculer la TVA</translation>
    </message>
    <message>
        <source>Get Expenses</source>
        <translation>Voir les dépenses</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>TVA</translation>
    </message>
    <message>
        <source>The date of the first invoice could not be read, so the years offered begin with %1.
%2</source>
        <translation>La date de la première facture n&apos;a pas pu être lue ; les années proposées commencent donc à %1.
%2</translation>
    </message>
    <message>
        <source>The paid invoices could not be read:
%1</source>
        <translation>Les factures payées n&apos;ont pas pu être lues :
%1</translation>
    </message>
    <message>
        <source>The expenses could not be read:
%1</source>
        <translation>Les dépenses n&apos;ont pas pu être lues :
%1</translation>
    </message>
    <message>
        <source>Date Error</source>
        <translation>Erreur de date</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>there is no space left on the disk</source>
        <translation>il n&apos;y a plus d&apos;espace sur le disque</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
</context>
<context>
    <name>ServerAddress</name>
    <message>
        <source>&quot;%1&quot; is not the address of shared books. Write it as postgresql://user@server:5432/books</source>
        <translation>« %1 » n&apos;est pas l&apos;adresse d&apos;une comptabilité partagée. Écrivez-la sous la forme postgresql://user@server:5432/books</translation>
    </message>
    <message>
        <source>Billcraft keeps no passwords: take the password out of the address and put it in ~/.pgpass (or the PGPASSWORD variable).</source>
        <translation>Billcraft ne conserve aucun mot de passe : retirez le mot de passe de l&apos;adresse et placez-le dans ~/.pgpass (ou dans la variable PGPASSWORD).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no single database.</source>
        <translation>« %1 » ne désigne pas une base de données unique.</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; in the address is not one Billcraft passes to the server.</source>
        <translation>Le paramètre « %1 » de l&apos;adresse n&apos;est pas de ceux que Billcraft transmet au serveur.</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; in the address holds a character that cannot be passed on.</source>
        <translation>Le paramètre « %1 » de l&apos;adresse contient un caractère qui ne peut pas être transmis.</translation>
    </message>
</context>
<context>
    <name>ServerBackup</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>The shared books are not open.</source>
        <translation>La comptabilité partagée n&apos;est pas ouverte.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>--backup needs FILE, the archive to write.</source>
        <translation>--backup attend FILE, l&apos;archive à écrire.</translation>
    </message>
    <message>
        <source>%1 holds more than %2 files beside the database: it is not a Billcraft backup.</source>
        <translation>%1 contient plus de %2 fichiers à côté de la base de données : ce n&apos;est pas une sauvegarde Billcraft.</translation>
    </message>
    <message>
        <source>Nothing has been changed.</source>
        <translation>Rien n&apos;a été modifié.</translation>
    </message>
    <message numerus="yes">
        <source>%n other seat(s) are connected to the shared books at %1. A restore replaces everything they work on: ask them to close Billcraft, then restore again.</source>
        <translation>
            <numerusform>%n autre poste est connecté à la comptabilité partagée de %1. Une restauration remplace tout ce sur quoi il travaille : demandez-lui de fermer Billcraft, puis relancez la restauration.</numerusform>
            <numerusform>%n autres postes sont connectés à la comptabilité partagée de %1. Une restauration remplace tout ce sur quoi ils travaillent : demandez-leur de fermer Billcraft, puis relancez la restauration.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SharedBooks</name>
    <message>
        <source>%1

Try again, use this computer&apos;s data folder instead, or quit?</source>
        <translation>%1

Réessayer, utiliser plutôt le dossier de données de cet ordinateur, ou quitter ?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Use Data Folder</source>
        <translation>Utiliser le dossier local</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>--database %1: %2</source>
        <translation>--database %1 : %2</translation>
    </message>
    <message>
        <source>The shared books remembered for this user (%1) cannot be used: %2</source>
        <translation>La comptabilité partagée mémorisée pour cet utilisateur (%1) ne peut pas être utilisée : %2</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>cet ordinateur</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 sur %2</translation>
    </message>
</context>
<context>
    <name>SharedBooksDialog</name>
    <message>
        <source>Connect to shared books</source>
        <translation>Se connecter à la comptabilité partagée</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Adresse du serveur</translation>
    </message>
    <message>
        <source>Billcraft keeps no password: the server&apos;s password is read from ~/.pgpass, a PostgreSQL service file or the PGPASSWORD setting. The choice takes effect when Billcraft next starts.</source>
        <translation>Billcraft ne conserve aucun mot de passe : celui du serveur est lu dans ~/.pgpass, dans un fichier de service PostgreSQL ou dans la variable PGPASSWORD. Ce choix prend effet au prochain démarrage de Billcraft.</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Tester</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Use this computer&apos;s data folder</source>
        <translation>Utiliser le dossier local</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The shared books %1 can be opened.</source>
        <translation>La comptabilité partagée %1 peut être ouverte.</translation>
    </message>
    <message>
        <source>Billcraft opens the shared books %1 from its next start.</source>
        <translation>Billcraft ouvrira la comptabilité partagée %1 à partir de son prochain démarrage.</translation>
    </message>
    <message>
        <source>Billcraft opens the books in this computer&apos;s data folder from its next start.</source>
        <translation>Billcraft ouvrira la comptabilité du dossier de données de cet ordinateur à partir de son prochain démarrage.</translation>
    </message>
    <message>
        <source>The choice could not be kept for the next start: %1</source>
        <translation>Le choix n&apos;a pas pu être conservé pour le prochain démarrage : %1</translation>
    </message>
</context>
<context>
    <name>SharedFiles</name>
    <message>
        <source>%1 in the shared books</source>
        <translation>%1 dans la comptabilité partagée</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the name of a file the books keep.</source>
        <translation>« %1 » n&apos;est pas le nom d&apos;un fichier conservé par la comptabilité.</translation>
    </message>
    <message>
        <source>%1 cannot be read: it is too large (%2 bytes).</source>
        <translation>%1 ne peut pas être lu : il est trop volumineux (%2 octets).</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: it is not a file.</source>
        <translation>%1 ne peut pas être lu : ce n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>%1 cannot be saved: it would be too large (%2 bytes).</source>
        <translation>%1 ne peut pas être enregistré : il serait trop volumineux (%2 octets).</translation>
    </message>
    <message>
        <source>%1 cannot be saved: %2</source>
        <translation>%1 ne peut pas être enregistré : %2</translation>
    </message>
    <message>
        <source>The files cannot be saved: %1</source>
        <translation>Les fichiers ne peuvent pas être enregistrés : %1</translation>
    </message>
    <message>
        <source>
%1 could not be put back as it was: %2</source>
        <translation>
%1 n&apos;a pas pu être remis dans son état d&apos;origine : %2</translation>
    </message>
    <message>
        <source>%1 cannot be removed: %2</source>
        <translation>%1 ne peut pas être supprimé : %2</translation>
    </message>
</context>
<context>
    <name>StatementFiles</name>
    <message>
        <source>an entry is larger or deeper than a statement&apos;s entries are.</source>
        <translation>une écriture est plus volumineuse ou plus imbriquée que ne le sont les écritures d&apos;un relevé.</translation>
    </message>
    <message>
        <source>the XML declares entities, which statements have none of.</source>
        <translation>le XML déclare des entités, ce que les relevés ne font pas.</translation>
    </message>
    <message>
        <source>an entry&apos;s amount &quot;%1&quot; is no amount.</source>
        <translation>le montant « %1 » d&apos;une écriture n&apos;est pas un montant.</translation>
    </message>
    <message>
        <source>an entry&apos;s date &quot;%1&quot; is no date.</source>
        <translation>la date « %1 » d&apos;une écriture n&apos;est pas une date.</translation>
    </message>
    <message>
        <source>an entry has no booking date.</source>
        <translation>une écriture n&apos;a pas de date d&apos;opération.</translation>
    </message>
    <message>
        <source>an entry is neither a credit nor a debit.</source>
        <translation>une écriture n&apos;est ni un crédit ni un débit.</translation>
    </message>
    <message>
        <source>it is XML but no camt.053 statement.</source>
        <translation>c&apos;est du XML mais pas un relevé camt.053.</translation>
    </message>
    <message>
        <source>it is camt.053 version %1, which Billcraft does not read (it reads versions 02 to 08).</source>
        <translation>c&apos;est un camt.053 version %1, que Billcraft ne lit pas (il lit les versions 02 à 08).</translation>
    </message>
    <message>
        <source>the XML declares a DTD, which statements have none of.</source>
        <translation>le XML déclare une DTD, ce que les relevés ne font pas.</translation>
    </message>
    <message>
        <source>the XML nests its elements deeper than a statement does.</source>
        <translation>le XML imbrique ses éléments plus profondément qu&apos;un relevé.</translation>
    </message>
    <message>
        <source>its XML is damaged at line %1: %2</source>
        <translation>son XML est endommagé à la ligne %1 : %2</translation>
    </message>
    <message>
        <source>the camt.053 document holds no statement.</source>
        <translation>le document camt.053 ne contient aucun relevé.</translation>
    </message>
    <message>
        <source>it has %1 columns where the bank&apos;s mapping reads %2.</source>
        <translation>il a %1 colonnes alors que le paramétrage de la banque en lit %2.</translation>
    </message>
    <message>
        <source>its date &quot;%1&quot; is no date written %2.</source>
        <translation>sa date « %1 » n&apos;est pas une date au format %2.</translation>
    </message>
    <message>
        <source>its amount &quot;%1&quot; is no amount.</source>
        <translation>son montant « %1 » n&apos;est pas un montant.</translation>
    </message>
    <message>
        <source>a quoted field is never closed.</source>
        <translation>un champ entre guillemets n&apos;est jamais fermé.</translation>
    </message>
    <message>
        <source>the file has no header line %1.</source>
        <translation>le fichier n&apos;a pas de ligne d&apos;en-tête %1.</translation>
    </message>
    <message>
        <source>row %1 after the header: %2</source>
        <translation>ligne %1 après l&apos;en-tête : %2</translation>
    </message>
    <message>
        <source>the :61: line &quot;%1&quot; is damaged: %2</source>
        <translation>la ligne :61: « %1 » est endommagée : %2</translation>
    </message>
    <message>
        <source>no date and credit or debit mark.</source>
        <translation>ni date ni marque de crédit ou de débit.</translation>
    </message>
    <message>
        <source>its date is impossible.</source>
        <translation>sa date est impossible.</translation>
    </message>
    <message>
        <source>its amount is no amount.</source>
        <translation>son montant n&apos;est pas un montant.</translation>
    </message>
    <message>
        <source>the balance &quot;:%1:%2&quot; names no currency.</source>
        <translation>le solde « :%1:%2 » n&apos;indique aucune devise.</translation>
    </message>
    <message>
        <source>it holds no MT940 statement (no :20: field).</source>
        <translation>il ne contient aucun relevé MT940 (pas de champ :20:).</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>it is a CSV file of a bank whose columns are not known yet: open it once in the window to set its columns.</source>
        <translation>c&apos;est un fichier CSV d&apos;une banque dont les colonnes ne sont pas encore connues : ouvrez-le une fois dans la fenêtre pour définir ses colonnes.</translation>
    </message>
    <message>
        <source>it is larger than %L1 MB, more than a statement holds.</source>
        <translation>il dépasse %L1 Mo, plus que ne contient un relevé.</translation>
    </message>
    <message>
        <source>it has more than %L1 entries, more than Billcraft reads.</source>
        <translation>il compte plus de %L1 écritures, plus que Billcraft n&apos;en lit.</translation>
    </message>
</context>
<context>
    <name>StatementMatch</name>
    <message>
        <source>Money paid out, not a payment.</source>
        <translation>Sortie d&apos;argent, pas un paiement reçu.</translation>
    </message>
    <message>
        <source>Matched when this statement was read before.</source>
        <translation>Rapprochée lors d&apos;une lecture précédente de ce relevé.</translation>
    </message>
    <message>
        <source>The same bank reference comes earlier in this statement.</source>
        <translation>La même référence bancaire figure plus haut dans ce relevé.</translation>
    </message>
    <message>
        <source>Paid in %1; the invoices are in %2.</source>
        <translation>Payé en %1 ; les factures sont en %2.</translation>
    </message>
    <message>
        <source>No amount.</source>
        <translation>Aucun montant.</translation>
    </message>
    <message>
        <source>Invoice %1 is proposed for an earlier credit.</source>
        <translation>La facture %1 est proposée pour un crédit précédent.</translation>
    </message>
    <message>
        <source>Partial payment of invoice %1 (total %2).</source>
        <translation>Paiement partiel de la facture %1 (total %2).</translation>
    </message>
    <message>
        <source>The amount is not the total of invoice %1.</source>
        <translation>Le montant n&apos;est pas le total de la facture %1.</translation>
    </message>
    <message>
        <source>%1 unpaid invoices have this amount.</source>
        <translation>%1 factures impayées ont ce montant.</translation>
    </message>
    <message>
        <source>The invoice of this amount is proposed for another credit.</source>
        <translation>La facture de ce montant est proposée pour un autre crédit.</translation>
    </message>
    <message>
        <source>No unpaid invoice has this amount.</source>
        <translation>Aucune facture impayée n&apos;a ce montant.</translation>
    </message>
    <message>
        <source>Nothing was marked paid; match the statement again.</source>
        <translation>Aucune facture n&apos;a été marquée payée ; rapprochez de nouveau le relevé.</translation>
    </message>
    <message>
        <source>The bank entry %1 has been matched already.</source>
        <translation>L&apos;écriture bancaire %1 a déjà été rapprochée.</translation>
    </message>
    <message>
        <source>Invoice %1 has been marked paid meanwhile.</source>
        <translation>La facture %1 a été marquée payée entre-temps.</translation>
    </message>
</context>
<context>
    <name>StatementMatchJob</name>
    <message>
        <source>There is no identity %1.</source>
        <translation>L&apos;identité %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>There is no Billcraft database (%1) in %2.</source>
        <translation>Il n&apos;y a pas de base de données Billcraft (%1) dans %2.</translation>
    </message>
</context>
<context>
    <name>StatementOpening</name>
    <message>
        <source>The bank&apos;s columns could not be remembered: %1</source>
        <translation>Les colonnes de la banque n&apos;ont pas pu être mémorisées : %1</translation>
    </message>
    <message>
        <source>Match bank statement</source>
        <translation>Rapprocher un relevé bancaire</translation>
    </message>
    <message>
        <source>Bank statements (*.xml *.sta *.mt940 *.txt *.csv)</source>
        <translation>Relevés bancaires (*.xml *.sta *.mt940 *.txt *.csv)</translation>
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
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>StyleEditor</name>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>Choose Font</source>
        <translation>Choisir la police</translation>
    </message>
    <message>
        <source>Font Style</source>
        <translation>Style de police</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Set Font Colour</source>
        <translation>Couleur de police</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Border Style (viewable in preview mode not layout mode)</source>
        <translation>Style de bordure (visible en aperçu, pas en mise en page)</translation>
    </message>
    <message>
        <source>No Box</source>
        <translation>Sans cadre</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <source>Edit </source>
        <translation>Modifier </translation>
    </message>
</context>
<context>
    <name>SwitchIdentitiesDialog</name>
    <message>
        <source>Switch Identities</source>
        <translation>Changer d&apos;identité</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Identité</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Please select Identity</source>
        <translation>Veuillez choisir une identité</translation>
    </message>
    <message>
        <source>Choose Identity</source>
        <translation>Choisir l&apos;identité</translation>
    </message>
</context>
<context>
    <name>TradingDetails</name>
    <message>
        <source>There is no identity %1.</source>
        <translation>L&apos;identité %1 n&apos;existe pas.</translation>
    </message>
</context>
<context>
    <name>TradingDetailsDialog</name>
    <message>
        <source>Trading details</source>
        <translation>Coordonnées société</translation>
    </message>
    <message>
        <source>Legal name</source>
        <translation>Dénomination sociale</translation>
    </message>
    <message>
        <source>VAT number</source>
        <translation>N° de TVA</translation>
    </message>
    <message>
        <source>Tax number</source>
        <translation>N° fiscal</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Rue</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Postcode</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Contact name</source>
        <translation>Nom du contact</translation>
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
        <translation>Délai de paiement (jours)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Reminders...</source>
        <translation>Relances...</translation>
    </message>
    <message>
        <source>The trading details could not be saved.</source>
        <translation>Les coordonnées de la société n&apos;ont pas pu être enregistrées.</translation>
    </message>
    <message>
        <source>The trading details could not be read.</source>
        <translation>Les coordonnées de la société n&apos;ont pas pu être lues.</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>en</source>
        <extracomment>The ISO 639-1 code of the language of this catalogue: &quot;de&quot; in the German one.</extracomment>
        <translation>fr</translation>
    </message>
</context>
<context>
    <name>UpdateCommand</name>
    <message>
        <source>Web Updates</source>
        <translation>Mises à jour web</translation>
    </message>
    <message>
        <source>Billcraft was installed by the system&apos;s package manager, which updates it. Nothing was downloaded.</source>
        <translation>Billcraft a été installé par le gestionnaire de paquets du système, qui le met à jour. Rien n&apos;a été téléchargé.</translation>
    </message>
    <message>
        <source>Billcraft cannot update itself: you may not replace the program file %1. Nothing was downloaded.</source>
        <translation>Billcraft ne peut pas se mettre à jour : vous n&apos;avez pas le droit de remplacer le fichier programme %1. Rien n&apos;a été téléchargé.</translation>
    </message>
    <message>
        <source>Check if Updates are available from %1 ?</source>
        <translation>Rechercher des mises à jour sur %1 ?</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Recherche de mises à jour...</translation>
    </message>
    <message>
        <source>You have the most up to date Version</source>
        <translation>Vous avez la version la plus récente</translation>
    </message>
    <message>
        <source>updates are available</source>
        <translation>des mises à jour sont disponibles</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Téléchargement de la mise à jour...</translation>
    </message>
    <message>
        <source>New file installed
Please restart application for new updates to take effect</source>
        <translation>Nouveau fichier installé
Veuillez redémarrer l&apos;application pour appliquer les mises à jour</translation>
    </message>
    <message>
        <source>The update could not be installed; the program is unchanged.
</source>
        <translation>La mise à jour n&apos;a pas pu être installée ; le programme est inchangé.
</translation>
    </message>
    <message>
        <source>An error occured connecting to %1
Please ensure you are connected to the Internet before trying again</source>
        <translation>Une erreur s&apos;est produite lors de la connexion à %1
Vérifiez que vous êtes connecté à Internet avant de réessayer</translation>
    </message>
</context>
<context>
    <name>UpdateFetcher</name>
    <message>
        <source>%1 is larger than %2 bytes.</source>
        <translation>%1 dépasse %2 octets.</translation>
    </message>
    <message>
        <source>%1 did not arrive within %2 seconds.</source>
        <translation>%1 n&apos;est pas arrivé en %2 secondes.</translation>
    </message>
    <message>
        <source>%1 sent nothing for %2 seconds.</source>
        <translation>%1 n&apos;a rien envoyé pendant %2 secondes.</translation>
    </message>
    <message>
        <source>%1 answered %2.</source>
        <translation>%1 a répondu %2.</translation>
    </message>
</context>
<context>
    <name>UpdateInstaller</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>The earlier copy %1 cannot be removed.</source>
        <translation>La copie précédente %1 ne peut pas être supprimée.</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user; Billcraft does not write into it. Remove it and try again.</source>
        <translation>Le dossier %1 appartient à un autre utilisateur ; Billcraft n&apos;y écrit pas. Supprimez-le et réessayez.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be examined: %2</source>
        <translation>Le dossier %1 ne peut pas être examiné : %2</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; Billcraft does not write through it. Remove the link and try again.</source>
        <translation>%1 est un lien symbolique ; Billcraft n&apos;écrit pas à travers lui. Supprimez le lien et réessayez.</translation>
    </message>
    <message>
        <source>%1 is not a folder. Remove it and try again.</source>
        <translation>%1 n&apos;est pas un dossier. Supprimez-le et réessayez.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2</source>
        <translation>Le dossier %1 ne peut pas être créé : %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened: %2</source>
        <translation>Le dossier %1 ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <source>%1 was written, but it could not be flushed to disk: %2</source>
        <translation>%1 a été écrit, mais n&apos;a pas pu être enregistré sur le disque : %2</translation>
    </message>
    <message>
        <source>No temporary folder: %1</source>
        <translation>Aucun dossier temporaire : %1</translation>
    </message>
    <message>
        <source>The program file %1 was not found.</source>
        <translation>Le fichier programme %1 est introuvable.</translation>
    </message>
    <message>
        <source>The new program cannot be put in place of %1: %2</source>
        <translation>Le nouveau programme ne peut pas remplacer %1 : %2</translation>
    </message>
</context>
<context>
    <name>ZipArchive</name>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 est endommagé : %2</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is not a readable zip archive: %2</source>
        <translation>%1 n&apos;est pas une archive zip lisible : %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: it could not be flushed to disk.</source>
        <translation>%1 ne peut pas être écrit : il n&apos;a pas pu être enregistré sur le disque.</translation>
    </message>
    <message>
        <source>%1 was written, but it could not be flushed to disk: %2</source>
        <translation>%1 a été écrit, mais n&apos;a pas pu être enregistré sur le disque : %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: its folder does not exist.</source>
        <translation>%1 ne peut pas être écrit : son dossier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>cancelled.</source>
        <translation>annulé.</translation>
    </message>
    <message>
        <source>%1 cannot be written: cancelled.</source>
        <translation>%1 ne peut pas être écrit : annulé.</translation>
    </message>
    <message>
        <source>%1 does not hold %2.</source>
        <translation>%1 ne contient pas %2.</translation>
    </message>
    <message>
        <source>%1 holds %2 more than once.</source>
        <translation>%1 contient %2 plusieurs fois.</translation>
    </message>
    <message>
        <source>%1 holds %2 under a folder name (&quot;%3&quot;); it is not extracted.</source>
        <translation>%1 contient %2 sous un nom de dossier (« %3 ») ; il n&apos;est pas extrait.</translation>
    </message>
    <message>
        <source>%1 holds %2 encrypted; it cannot be read.</source>
        <translation>%1 contient %2 chiffré ; il ne peut pas être lu.</translation>
    </message>
    <message>
        <source>%1 holds %2 in a compression this program cannot read.</source>
        <translation>%1 contient %2 dans une compression que ce programme ne sait pas lire.</translation>
    </message>
    <message>
        <source>%1 says %2 is %3 bytes, more than the %4 bytes allowed or free; it is not extracted.</source>
        <translation>%1 indique que %2 fait %3 octets, plus que les %4 octets permis ou libres ; il n&apos;est pas extrait.</translation>
    </message>
    <message>
        <source>%1 holds more of %2 than it says (over %3 bytes); it is not extracted.</source>
        <translation>%1 contient plus de %2 qu&apos;il n&apos;indique (plus de %3 octets) ; il n&apos;est pas extrait.</translation>
    </message>
    <message>
        <source>Extracting %1 was cancelled.</source>
        <translation>L&apos;extraction de %1 a été annulée.</translation>
    </message>
    <message>
        <source>%1 is damaged: %2 ends after %3 of %4 bytes.</source>
        <translation>%1 est endommagé : %2 s&apos;arrête après %3 octets sur %4.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a plain file name.</source>
        <translation>« %1 » n&apos;est pas un simple nom de fichier.</translation>
    </message>
</context>
</TS>
