#pragma once

#include "support/TestEnv.h"

// Every term the three e-invoice formats ask for, on an identity and one of its clients: a
// British seller with a VAT number and a bank account, a British buyer with an order reference.
inline void giveEInvoiceTerms(TestEnv& env, int identity, int client)
{
    env.exec(QStringLiteral(
                 "UPDATE TblUserData SET LegalName = 'Harbour Joinery Ltd', VatId = 'GB123456789', "
                 "TaxNumber = '12/345/67890', Street = '1 Quay Street', Town = 'Whitby', "
                 "PostCode = 'YO21 1AA', CountryCode = 'GB', Email = 'accounts@harbour.example', "
                 "Phone = '01947 600600', ContactName = 'Ann Harbour', "
                 "Iban = 'GB33BUKB20201555555555', Bic = 'BUKBGB22' WHERE Identity = ?"),
             {identity});
    env.exec(QStringLiteral("UPDATE TblClients SET Address1 = '2 Mill Lane', Town = 'Leeds', "
                            "PostCode = 'LS1 1AA', Country = 'United Kingdom', "
                            "CountryCode = 'GB', Email = 'ap@smith.example', "
                            "BuyerReference = 'PO-77' WHERE ClientID = ?"),
             {client});
}
