// Word lists shared by the construction tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorlix::testing {

// Pseudo-random words of 3 to 12 letters from their own generator, so the list never
// depends on the engine's random sequence: the benchmarks' lists.
inline std::vector<std::u16string> RandomWords(int count) {
    std::uint32_t seed = 20240601u;
    auto next = [&seed](std::uint32_t n) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed) * n) >> 32);
    };
    std::vector<std::u16string> words;
    for (int i = 0; i < count; ++i) {
        std::u16string word(3 + next(10), u'A');
        for (char16_t& c : word) c = static_cast<char16_t>(u'A' + next(26));
        words.push_back(std::move(word));
    }
    return words;
}

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

// Sixty everyday Russian and Hindi words, for timing lists beyond A-Z against RandomWords(60).
inline const std::u16string SixtyRussianWords = u"кошка,собака,молоко,яблоко,школа,дерево,солнце,ёжик,машина,книга,стол,окно,город,улица,море,река,гора,лес,поле,небо,звезда,луна,дождь,снег,ветер,цветок,трава,птица,рыба,медведь,волк,лиса,заяц,корова,лошадь,курица,хлеб,сыр,масло,вода,чай,сахар,ложка,вилка,нож,тарелка,чашка,дом,семья,мама,папа,брат,сестра,друг,учитель,ученик,урок,тетрадь,ручка,карандаш";
inline const std::u16string SixtyHindiWords = u"क्षति,बिल्ली,कुत्ता,पानी,स्कूल,किताब,सूरज,नमस्ते,घर,माता,पिता,भाई,बहन,दोस्त,शिक्षक,विद्यार्थी,कलम,कागज़,मेज़,कुर्सी,खिड़की,दरवाज़ा,शहर,गाँव,नदी,पहाड़,जंगल,पेड़,फूल,पत्ता,चिड़िया,मछली,हाथी,शेर,बंदर,गाय,घोड़ा,रोटी,दूध,चावल,दाल,सब्ज़ी,फल,आम,केला,सेब,अंगूर,चाय,चीनी,नमक,बारिश,हवा,बादल,चाँद,तारा,आसमान,धरती,समुद्र,रास्ता,मोर";

}  // namespace vorlix::testing
