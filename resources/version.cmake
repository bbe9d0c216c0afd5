# The program's version block: the one place these values live. The build
# generates the program's version header, the desktop entry, the AppStream
# metainfo and the package version from it.

set(PAARVINDER_APP_ID "nl.mirtelo.paarvinder")

# Fixed part.
set(PAARVINDER_FILE_VERSION "1.0.0.3")
set(PAARVINDER_PRODUCT_VERSION "1.0.0.3")

# String table, language 1043 (Dutch, the Netherlands), code page 1252.
set(PAARVINDER_LANGUAGE 1043)
set(PAARVINDER_CODE_PAGE 1252)
set(PAARVINDER_COMPANY_NAME "Mirtelo")
set(PAARVINDER_FILE_DESCRIPTION "educatief programma")
set(PAARVINDER_FILE_VERSION_TEXT "1.0.0.3")
set(PAARVINDER_INTERNAL_NAME "")
set(PAARVINDER_LEGAL_COPYRIGHT "")
set(PAARVINDER_LEGAL_TRADEMARKS "")
set(PAARVINDER_ORIGINAL_FILENAME "")
set(PAARVINDER_PRODUCT_NAME "")
# Differs from the fixed part's product version; both are kept as they are.
set(PAARVINDER_PRODUCT_VERSION_TEXT "1.0.0.0")
set(PAARVINDER_COMMENTS "")

# The date this version was released, for the metainfo.
set(PAARVINDER_RELEASE_DATE "2026-12-11")
