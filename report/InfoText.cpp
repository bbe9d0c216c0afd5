#include "report/InfoText.h"

#include <string_view>

#include "report/MarkedBlock.h"

namespace paarvinder {
namespace {

void AddHeading(Report& richInfo, std::string_view heading, BlockTreatment treatment) {
  MarkedBlock block(richInfo);
  richInfo.Add(heading);
  block.Format(treatment);
}

}  // namespace

void VulInfo(Report& richInfo) {
  richInfo.Clear();
  richInfo.Add("\t");
  AddHeading(richInfo, "\tWanneer kan Paarvinder zinvol zijn?", BlockTreatment::RedBold);
  richInfo.Add("\t1. Als u naar een bepaald bestand zoekt, maar niet meer weet waar het ergens staat");
  richInfo.Add("\t2. Als u wilt weten of er meerdere bestanden met dezelfde naam op de harde schijf staan");
  richInfo.Add("\t");
  AddHeading(richInfo, "\tHoe werkt het programma?", BlockTreatment::RedBold);
  richInfo.Add("\t1. Tik de naam (plus extensie maar zonder station en map!) in het vak bij 'Zoek naar:'");
  richInfo.Add("\t   U kunt deze bestandnaam ook als parameter opgeven bij het starten van het programma");
  richInfo.Add("\t   Zonder extensie zoekt het programma naar bestandsnamen waar het zoekwoord in voorkomt");
  richInfo.Add("\t2. In de toolbar bovenaan verschijnt nu een extra knop waar 'Zoek' op staat");
  richInfo.Add("\t3. Klik op die knop en het zoeken begint; alle harde schijven en partities alsmede Ramdrives,");
  richInfo.Add("\t   externe harde schijven en netwerkdrives worden doorzocht (geen diskdrives of USB-sticks)");
  richInfo.Add("\t4. Elke keer dat het zoekbestand wordt gevonden, hoort u een geluidje en wordt de informatie");
  richInfo.Add("\t   in het vak onder het zoekbestand gezet");
  richInfo.Add("\t5. De knop waar 'Zoek' op stond, heeft nu de tekst 'Onderbreek' gekregen");
  richInfo.Add("\t6. Klikt u daarop dan wordt het zoeken onderbroken; 'Onderbreek' heet nu weer 'Zoek'");
  richInfo.Add("\t7. Wilt u verder gaan, dan kan dat niet; wel kunt u overnieuw beginnen...");
  richInfo.Add("\t8. De zoekresultaten worden automatisch opgeslagen in een rtf-bestand met als naam");
  richInfo.Add("\t   'Zoekresultaten(huidige datum).rtf'");
  richInfo.Add("\t9. Via de knop 'Resultaten' kunt u eerdere zoeksessies terugroepen");
  richInfo.Add("\t");
  AddHeading(richInfo, "\tSucces met dit hulpprogramma!", BlockTreatment::BlackBold);
  richInfo.Add("\tPlonkaert (Mirtelo)");
}

}  // namespace paarvinder
