// Word lists shared by the construction tests.
#pragma once

#include <string>

namespace vorlix::testing {

// The 118 chemical elements, one line; about 950 letters, so a small square needs many shared cells.
inline const std::u16string ElementNames =
    u"hydrogen,helium,lithium,beryllium,boron,carbon,nitrogen,oxygen,fluorine,neon,sodium,magnesium,"
    u"aluminium,silicon,phosphorus,sulfur,chlorine,argon,potassium,calcium,scandium,titanium,vanadium,"
    u"chromium,manganese,iron,cobalt,nickel,copper,zinc,gallium,germanium,arsenic,selenium,bromine,krypton,"
    u"rubidium,strontium,yttrium,zirconium,niobium,molybdenum,technetium,ruthenium,rhodium,palladium,silver,"
    u"cadmium,indium,tin,antimony,tellurium,iodine,xenon,caesium,barium,lanthanum,cerium,praseodymium,"
    u"neodymium,promethium,samarium,europium,gadolinium,terbium,dysprosium,holmium,erbium,thulium,ytterbium,"
    u"lutetium,hafnium,tantalum,tungsten,rhenium,osmium,iridium,platinum,gold,mercury,thallium,lead,bismuth,"
    u"polonium,astatine,radon,francium,radium,actinium,thorium,protactinium,uranium,neptunium,plutonium,"
    u"americium,curium,berkelium,californium,einsteinium,fermium,mendelevium,nobelium,lawrencium,"
    u"rutherfordium,dubnium,seaborgium,bohrium,hassium,meitnerium,darmstadtium,roentgenium,copernicium,"
    u"nihonium,flerovium,moscovium,livermorium,tennessine,oganesson";

// Thirty words of five to nine letters.
inline const std::u16string ThirtyWords =
    u"harbour,lantern,meadow,thunder,crystal,whisper,orchard,compass,blanket,quarry,falcon,marble,"
    u"pioneer,saddle,glacier,cobbler,lattice,voyage,tundra,emerald,fortress,juniper,kettle,nomad,"
    u"paradox,riddle,labyrinth,trellis,umbrella,volcano";

}  // namespace vorlix::testing
