#include "data/builtin_data.h"

// clang-format off: one entry a line, however long
namespace orbisco {

// One record per country: code;UTC offset;currency;languages;alpha-3 code;capital.
// Row n of the record table is record n. Texts are kept exactly, odd ones included.
const std::array<QStringView, 252> kCountryRecords = {
    u"AF;+04:30;Afghan afghani (AFN);Pashto, Dari, and some other languages;AFG;Kabul",
    u"AX;+02:00;Euro (EUR, €);Swedish;ALA;Mariehamn",
    u"AL;+01:00;Albanian lek (ALL, L);Albanian (based on Tosk dialect);ALB;Tirana",
    u"DZ;+01:00;Algerian dinar (DZD);Arabic (official and national), Tamazight "
    u"(national);DZA;Algiers",
    u"AS;-11:00;United States dollar (USD);English, Samoan;ASM;Pago Pago",
    u"AD;+01:00;Euro (EUR, €);Catalan;AND;Andorra la Vella",
    u"AO;+01:00;Angolan kwanza (AOA, Kz);Portuguese;AGO;Luanda",
    u"AI;-04:00;East Caribbean dollar (XCD, $);English;AIA;The Valley",
    u"AQ;+00:00;-;-;ATA;",
    u"AG;-04:00;East Caribbean dollar (XCD, $);English (de facto official);ATG;St. John's",
    u"AR;-03:00;Argentine peso (ARS, $);Spanish (de facto), Guaraní (co-official in Corrientes "
    u"Province);ARG;Buenos Aires",
    u"AM;+04:00;Armenian dram (AMD);Armenian, Russian (Minority language);ARM;Yerevan",
    u"AN;-04:00;Netherlands Antillean guilder;Dutch, English, Papiamento ;;Willemstad",
    u"AW;-04:00;Aruban florin (AWG, ƒ);Dh, Papiamento;ABW;Oranjestad",
    u"AU;+07:00 - +10:00;Australian dollar (AUD, $);English (de facto);AUS;Canberra",
    u"AT;+01:00;Euro (EUR, €);German (official statewide), and other languages like Groation, "
    u"Slovene, Czech for some areas.;AUT;Vienna",
    u"AZ;+04:00;Azerbaijani manat (AZN, );Azerbaijani, Armenian (Nagorno-Karabagh);AZE;Baku",
    u"BS;-05:00;Bahamian dollar (BSD, $);English;BHS;Nassau",
    u"BH;+03:00;Bahraini dinar (BHD);Arabic;BHR;Manama",
    u"BD;+06:00;Bangladeshi taka (BDT);Bengali;BGD;Dhaka",
    u"BB;-04:00;Barbadian dollar (BBD, $);English;BRB;Bridgetown",
    u"BY;+03:00;Belarusian ruble (BYR, Br);Belarusian, Russian;BLR;Minsk",
    u"BE;+01:00;Euro (EUR, €);Dh, French, German;BEL;Brussels",
    u"BZ;-06:00;Belize dollar (BZD, $);English;BLZ;Belmopan",
    u"BJ;+01:00;West African CFA franc (XOF, Fr);French;BEN;Porto-Novo",
    u"BM;-04:00;Bermudian dollar (BMD, $);English;BMU;Hamilton",
    u"BT;+05:30;Bhutanese ngultrum (BTN, Nu.), Indian rupee (INR);Dzongkha;BTN;Thimphu",
    u"BO;-04:00;Bolivian boliviano (BOB, Bs.);Spanish, Aymara, Quechua;BOL;Sucre",
    u"BQ;;United States dollar (USD, $);Dh,English, Papiamentu;BES;",
    u"BA;+01:00;Bosnia and Herzegovina convertible mark (BAM, KM);Bosnian, Croatian, "
    u"Serbian;BIH;Sarajevo",
    u"BW;+02:00;Botswana pula (BWP, P);English, Tswana (national);BWA;Gaborone",
    u"BV;;;;BVT;",
    u"BR;-05:00 - -03:00;Brazilian real (BRL, R$);Portuguese (national), German, Nheengatu, Baniwa "
    u"and Tucano in some areas.;BRA;Brasília",
    u"IO;+06;United States dollar (USD, $);English;IOT;Diego Garcia",
    u"BN;+08:00;Brunei dollar (BND, $), Singapore dollar (SGD, $);Malay;BRN;Bandar Seri Begawan",
    u"BG;+02:00;Bulgarian lev (BGN);Bulgarian;BGR;Sofia",
    u"BF;;West African CFA franc (XOF, Fr);French, Fula, Jula, More;BFA;Ouagadougou",
    u"BI;+02:00;Burundian franc (BIF, Fr);French, Kirundi;BDI;Bujumbura",
    u"KH;+07:00;Cambodian riel (KHR);Khmer;KHM;Phnom Penh",
    u"CM;+01:00;Central African CFA franc (XAF, Fr);English, French;CMR;Yaoundé",
    u"CA;-08:00 - -04:00;Canadian dollar (CAD, $);English, French, and some other languages like "
    u"Chipewyan (Dëne Su;CAN;Ottawa",
    u"CV;-01:00;Cape Verdean escudo (CVE, Esc or $);Portuguese (official), Cape Verdean Creole "
    u"(national);CPV;Praia",
    u"KY;-05:00;Cayman Islands dollar (KYD, $);;CYM;George Town",
    u"CF;+01:00;Central African CFA franc (XAF, Fr);French, Sango (national);CAF;Bangui",
    u"TD;+01:00;Central African CFA franc (XAF, Fr);Arabic, French;TCD;N'Djamena",
    u"CL;-04:00;Chilean peso (CLP, $);Spanish (de facto);CHL;Santiago",
    u"CN;+08:00;Chinese yuan (CNY, ¥);Simplified Chinese(written) Mandarin(spoken), and some other "
    u"minority languages in some areas.;CHN;Beijing",
    u"CX;+07;Australian dollar (AUD, $);English (de facto);CXR;Flying Fish Cove",
    u"CC;+06:30;Australian dollar (AUD, $), Cocos (Keeling) Islands dollar (None, $);English (de "
    u"facto);CCK;West Island",
    u"CO;-05:00;Colombian peso (COP, $);Spanish (the languages and dialects of ethnic groups are "
    u"also official in their territories);COL;Bogotá",
    u"KM;+03:00;Comorian franc (KMF, Fr);Arabic, Comorian, French;COM;Moroni",
    u"CG;+01:00;Central African CFA franc (XAF, Fr);French, Lingala (national), Munukutuba "
    u"(national);COG;Brazzaville",
    u"CD;+01:00 - +02:00;Congolese franc (CDF, Fr);French, Lingala/Kikongo/Swahili/Tshiluba "
    u"(national);COD;Kinshasa",
    u"CK;-10:00;New Zealand dollar (NZD, $), Cook Islands dollar (None, $);English, Cook Islands "
    u"Ma-ori, Pukapukan, Rakahanga -Manihiki;COK;Avarua",
    u"CR;-06:00;Costa Rican colón (CRC);Spanish;CRI;San José",
    u"CI;+00:00;West African CFA franc (XOF, Fr);French;CIV;Yamoussoukro",
    u"HR;+01:00;Croatian kuna (HRK, kn);Croatian;HRV;Zagreb",
    u"CU;-03:00;Cuban convertible peso (CUC, $), Cuban peso (CUP, $);Spanish;CUB;Havana",
    u"CW;-04:00;Netherlands Antillean guilder (ANG, ƒ);Papiamentu, Dh(official);CUW;Willemstad",
    u"CY;+02:00;Euro (EUR, €);Greek, Turkish, Armenian (minority language);CYP;Nicosia",
    u"CZ;+01:00;Czech koruna (CZK, Kc();Czech;CZE;Prague",
    u"DK;+01:00;Danish krone (DKK, kr);Danish, and Faroese, German, Kalaallisut in some "
    u"areas.;DNK;Copenhagen",
    u"DJ;+03:00;Djiboutian franc (DJF, Fr);Arabic, French;DJI;Djibouti",
    u"DM;-04:00;East Caribbean dollar (XCD, $);English;DMA;Roseau",
    u"DO;-04:00;Dominican peso (DOP, $);Spanish;DOM;Santo Domingo",
    u"TL;+09;United States dollar (USD, $);Portuguese, Tetum, Indonesian;TLS;Dili",
    u"EC;-05:00;United States dollar (USD, $);Spanish (Quechua and Shuar, ancient languages are "
    u"official in some territories.);ECU;Quito",
    u"EG;+02:00;Egyptian pound (EGP, £);Arabic, Coptic (de jure language of the Coptic "
    u"Church);EGY;Cairo",
    u"SV;-06:00;Salvadoran colón (SVC), United States dollar (USD, $);Spanish;SLV;San Salvador",
    u"GQ;+01:00;Central African CFA franc (XAF, Fr);Spanish, French;GNQ;Malabo",
    u"ER;+03:00;Eritrean nakfa (ERN, Nfk);Arabic, Tigrinya (working language);ERI;Asmara",
    u"EE;+03:00;Euro (EUR, €);Estonian, Russian (de jure minority language);EST;Tallinn",
    u"ET;+03:00;Ethiopian birr (ETB, Br);Amharic (working language);ETH;Addis Ababa",
    u"FK;-04:00;Falkland Islands pound (FKP, £);English;FLK;Stanley",
    u"FO;;Danish krone (DKK, kr), Faroese króna (None, kr);Faroese, Danish;FRO;Tórshavn",
    u"FJ;+12:00;Fijian dollar (FJD, $);English, Fijian, Hindustani;FJI;Suva",
    u"FI;+02:00;Euro (EUR, €);Finnish, Swedish, Sami;FIN;Helsinki",
    u"FR;+01:00;Euro (EUR, €);French (statewide), Corsican (in Corsica), Breton (in "
    u"Brittany);FRA;Paris",
    u"GF;-01:00;;;GUF;Cayenne",
    u"PF;-10:00;CFP franc (XPF, Fr);French;PYF;Papeete",
    u"TF;;Euro (EUR, €);French;ATF;Port-aux-Français",
    u"GA;+01:00;Central African CFA franc (XAF, Fr);French;GAB;Libreville",
    u"GM;+00:00;Gambian dalasi (GMD, D);English;GMB;Banjul",
    u"GE;+04:00;Georgian lari (GEL);Georgian (statewide), Abkhaz (in Abkhazia), Ossetic (in South "
    u"Ossetia), Russian (in Abkhazia and South Ossetia);GEO;Tbilisi",
    u"DE;+01:00;Euro (EUR, €);German (de facto);DEU;Berlin",
    u"GH;+01:00;Ghanaian cedi (GHS);English, and some other languages in some "
    u"territories.;GHA;Accra",
    u"GI;+01:00;Gibraltar pound (GIP, £);English;GIB;Gibraltar",
    u"GR;+02:00;Euro (EUR, €);Greek;GRC;Athens",
    u"GL;-03:00;Danish krone (DKK, kr);Greenlandic (Kalaallisut);GRL;Nuuk",
    u"GD;-04:00;East Caribbean dollar (XCD, $);English;GRD;St. George's",
    u"GP;-04:00;;;GLP;",
    u"GU;+10:00;United States dollar (USD, $);English and Chamorro;GUM;Hagåtña",
    u"GT;-06:00;Guatemalan quetzal (GTQ, Q);Spanish;GTM;Guatemala City",
    u"GG;;British pound (GBP, £), Guernsey pound (None, £);English (predominant), French "
    u"(legislative);GGY;St. Peter Port",
    u"GN;+10:00;Guinean franc (GNF, Fr);French, Fula (national), Maninka (national), Susu "
    u"(national);GIN;Conakry",
    u"GW;-01:00;West African CFA franc (XOF, Fr);Portuguese;GNB;Bissau",
    u"GY;-03:00;Guyanese dollar (GYD, $);English (official), Guyanese Creole "
    u"(national);GUY;Georgetown",
    u"HT;-05:00;Haitian gourde (HTG, G);French, Haitian Creole;HTI;Port-au-Prince",
    u"HM;+05;;;HMD;",
    u"HN;-06:00;Honduran lempira (HNL, L);Spanish, and Garifuna, English, Miskito in some "
    u"territories.;HND;Tegucigalpa",
    u"HK;+08:00;Hong Kong dollar (HKD, $);Cantonese, English;HKG;",
    u"HU;+01:00;Hungarian forint (HUF, Ft);Hungarian;HUN;Budapest",
    u"IS;+00:00;Icelandic króna (ISK, kr);Icelandic, Icelandic Sign Language;ISL;Reykjavík",
    u"IN;+05:30;Indian rupee (INR);English (statewide), Hindi, and some other languages in some "
    u"territories.;IND;New Delhi",
    u"ID;+07:00 - +09:00;Indonesian rupiah (IDR, Rp);Indonesian (national and official), and some "
    u"other languages in some territories.;IDN;Jakarta",
    u"IR;+03:30;Iranian rial (IRR);Persian (statewide), and some other languages in some "
    u"territories.;IRN;Tehran",
    u"IQ;+03:00;Iraqi dinar (IQD);Arabic statewide, (Kurdish, Assyrian Neo-Aramaic, Iraqi Turkmen "
    u"in some areas);IRQ;Baghdad",
    u"IE;+00:00;Euro (EUR, €);Irish (national), English (national);IRL;Dublin",
    u"IM;;British pound (GBP, £), Manx pound (None, £);English, Manx;IMN;Douglas",
    u"IL;+02:00;Israeli new shekel (ILS);Hebrew (de facto official), Arabic "
    u"(co-official);ISR;Jerusalem",
    u"IT;+01:00;Euro (EUR, €);Italian, and some other languages in some territories.;ITA;Rome",
    u"JM;-05:00;Jamaican dollar (JMD, $);English, Jamaican patois (national language);JAM;Kingston",
    u"JP;+09:00;Japanese yen (JPY, ¥);Japanese (de facto);JPN;Tokyo",
    u"JE;;British pound (GBP, £), Jersey pound (None, £);English, French;JEY;St. Helier",
    u"JO;+02:00;Jordanian dinar (JOD);Arabic;JOR;Amman",
    u"KZ;+06:00;Kazakhstani tenge (KZT);Kazakh (national), Russian;KAZ;Astana",
    u"KE;+03:00;Kenyan shilling (KES, Sh);English, Swahili (national);KEN;Nairobi",
    u"KI;+12:00;Australian dollar (AUD, $), Kiribati dollar (None, $);English, Kiribati "
    u"(national);KIR;Tarawa",
    u"KW;+03:00;Kuwaiti dinar (KWD);Arabic;KWT;Kuwait City",
    u"KG;+06:00;Kyrgyzstani som (KGS);Kirghiz (national), Russian;KGZ;Bishkek",
    u"LA;+07:00;Lao kip (LAK);Lao;LAO;Vientiane",
    u"LV;+03:00;Latvian lats (LVL, Ls);Latvian, Russian (minority language), Latgalian (regional "
    u"language in Latgale);LVA;Riga",
    u"LB;+02:00;Lebanese pound (LBP);Arabic, French, Armenian (regional in Bourj "
    u"Hammoud);LBN;Beirut",
    u"LS;+02:00;Lesotho loti (LSL, L), South African rand (ZAR, R);English, Sotho "
    u"(national);LSO;Maseru",
    u"LR;;Liberian dollar (LRD, $);English;LBR;Monrovia",
    u"LY;+02:00;Libyan dinar (LYD);Arabic;LBY;Tripoli",
    u"LI;+01:00;Swiss franc (CHF, Fr);German;LIE;Vaduz",
    u"LT;+02:00;Lithuanian litas (LTL, Lt);Lithuanian;LTU;Vilnius",
    u"LU;+01:00;Euro (EUR, €);French, German, Luxembourgish (national);LUX;Luxembourg",
    u"MO;+08:00;Macanese pataca (MOP, P);Cantonese, Portuguese;MAC;",
    u"MK;+01:00;Macedonian denar (MKD);Macedonian (statewide);MKD;Skopje",
    u"MG;+03:00;Malagasy ariary (MGA, Ar);French(official), Malagasy (national);MDG;Antananarivo",
    u"MW;+02:00;Malawian kwacha (MWK, MK);Chichewa (national), English(official);MWI;Lilongwe",
    u"MY;+08:00;Malaysian ringgit (MYR, RM);Malay (national), English (official for some "
    u"purposes);MYS;Kuala Lumpur",
    u"MV;+05:00;Maldivian rufiyaa (MVR);Dhivehi;MDV;Malé",
    u"ML;;West African CFA franc (XOF, Fr);French;MLI;Bamako",
    u"MT;+01:00;Euro (EUR, €);Maltese (national), English;MLT;Valletta",
    u"MH;+10:00;United States dollar (USD, $);English, Marshallese (national);MHL;Majuro",
    u"MQ;-04:00;;;MTQ;",
    u"MR;;Mauritanian ouguiya (MRO, UM);Arabic (national), French, Fula (national), Soninke "
    u"(national), Wolof (national);MRT;Nouakchott",
    u"MU;+04:00;Mauritian rupee (MUR, Rs);English;MUS;Port Louis",
    u"YT;+03:00;Euro (EUR, €);French;MYT;Mamoudzou",
    u"MX;-08:00 - -06:00;Mexican peso (MXN, $);Spanish de facto;MEX;Mexico City",
    u"FM;+10:00;Micronesian dollar (None, $), United States dollar (USD, $);English, Chuukese (in "
    u"Chuuk), Kosraean (in Kosrae), Pohnpeian (in Pohnpei), Ulithian (in Yap), Yapese (in "
    u"Yap);FSM;Palikir",
    u"MD;+03:00;Moldovan leu (MDL, L);Romanian, and Gagauz/Russian/Ukrainian are regional "
    u"languages;MDA;Chisinau",
    u"MC;+01:00;Euro (EUR, €);French;MCO;Monaco",
    u"MN;+08:00;Mongolian tögrög (MNT);Mongolian;MNG;Ulaanbaatar",
    u"ME;+01;Euro (EUR, €);Montenegrin (national), Albanian/Bosnian/Croatian/Serbian are regional "
    u"languages.;MNE;Podgorica",
    u"MS;-04:00;East Caribbean dollar (XCD, $);;MSR;Plymouth",
    u"MA;+00:00;Moroccan dirham (MAD);Amazigh, Arabic;MAR;Rabat",
    u"MZ;+02:00;Mozambican metical (MZN, MTn);Portuguese;MOZ;Maputo",
    u"MM;+06:30;Myanma kyat (MMK, K);Burmese;MMR;Naypyidaw",
    u"NA;+02:00;Namibian dollar (NAD, $), South African rand (ZAR, R);English, Afrikaans "
    u"(national), German(regional), Oshiwambo (regional);NAM;Windhoek",
    u"NR;+12:00;Australian dollar (AUD, $), Nauruan dollar (None, $);English, Nauruan;NRU;Yaren",
    u"NP;+05:30;Nepalese rupee (NPR, Rs);Nepali;NPL;Kathmandu",
    u"NL;+01:00;Euro (EUR, €);Dh (statewide), and some other languages in some "
    u"territories.;NLD;Amsterdam",
    u"NC;+11:00;CFP franc (XPF, Fr);French;NCL;Nouméa",
    u"NZ;+12:00;New Zealand dollar (NZD, $);English(de facto);NZL;Wellington",
    u"NI;-06:00;Nicaraguan córdoba (NIO, C$);Spanish;NIC;Managua",
    u"NE;+01:00;West African CFA franc (XOF, Fr);French, (Hausa/Fulfulde/Gulmancema etc. are "
    u"national languages);NER;Niamey",
    u"NG;+01:00;Nigerian naira (NGN);English;NGA;Abuja",
    u"NU;-11:00;New Zealand dollar (NZD, $), Niuean dollar (None, $);Niuean, English;NIU;Alofi",
    u"NF;+11:30;Australian dollar (AUD, $);English, Norfuk;NFK;Kingston",
    u"KP;+09:00;North Korean won (KPW);Korean;PRK;Pyongyang",
    u"MP;+10:00;United States dollar (USD, $);English, Chamorro, Carolinian;MNP;Saipan",
    u"NO;+01:00;Norwegian krone (NOK, kr);Norwegian, Sami, Kven, Romani, Scandoromani;NOR;Oslo",
    u"OM;+04:00;Omani rial (OMR);Arabic;OMN;Muscat",
    u"PK;+05:00;Pakistani rupee (PKR, Rs);Urdu (national), English (official), Sindhi (co-official "
    u"in Sindh province);PAK;Islamabad",
    u"PW;+09:00;Palauan dollar (None, $), United States dollar (USD, $);English, Palauan, "
    u"Sonsorolese (in Sonsorol), Tobian (in Hatohobei), Japanese (in Angaur);PLW;Ngerulmud",
    u"PS;+02:00;;Arabic, Hebrew, and English;PSE;",
    u"PA;-05:00;Panamanian balboa (PAB, B/.), United States dollar (USD, $);Spanish;PAN;Panama "
    u"City",
    u"PG;+10:00;Papua New Guinean kina (PGK, K);English, Hiri Motu, Tok Pisin;PNG;Port Moresby",
    u"PY;-04:00;Paraguayan guaraní (PYG);Spanish, Guaraní;PRY;Asunción",
    u"PE;-05:00;Peruvian nuevo sol (PEN, S/.);Spanish, Aymara, Quechua, All native languages in "
    u"areas where they are spoken by the majority of people;PER;Lima",
    u"PH;+08:00;Philippine peso (PHP);English, Filipino(national), and some other languages in "
    u"some territories.;PHL;Manila",
    u"PN;-08:00;New Zealand dollar (NZD, $), Pitcairn Islands dollar (None, "
    u"$);English;PCN;Adamstown",
    u"PL;+01:00;Polish Zloty (PLN);Polish (sole official language of state);POL;Warsaw",
    u"PT;+01:00;Euro (EUR, €);Portuguese (official), Mirandese (regional);PRT;Lisbon",
    u"PR;-04:00;United States dollar (USD, $);Spanish and English;PRI;San Juan",
    u"QA;+03:00;Qatari riyal (QAR);Arabic;QAT;Doha",
    u"RE;+04:00;;;REU;",
    u"RO;+02:00;Romanian leu (RON, L);Romanian (statewide), and other minority "
    u"languages.;ROU;Bucharest",
    u"RU;+03:00;Russian ruble (RUB);Russian (federal;RUS;Moscow",
    u"RW;+02:00;Rwandan franc (RWF, Fr);English, French, Kinyarwanda;RWA;Kigali",
    u"BL;-04;Euro (EUR, €);French;BLM;Gustavia",
    u"SH;;Saint Helena pound (SHP, £);English;SHN;Jamestown",
    u"KN;-04:00;East Caribbean dollar (XCD, $);English;KNA;Basseterre",
    u"LC;-04:00;East Caribbean dollar (XCD, $);English;LCA;Castries",
    u"MF;-04;Euro (EUR, €);French;MAF;Marigot",
    u"PM;-03;Euro (EUR, €);French;SPM;St. Pierre",
    u"VC;-04;East Caribbean dollar (XCD, $);English;VCT;Kingstown",
    u"WS;-11:00;Samoan tala (WST, T);English (official), Samoan (national);WSM;Apia",
    u"SM;+01:00;Euro (EUR, €);Italian;SMR;San Marino",
    u"ST;;São Tomé and Príncipe dobra (STD, Db);Portuguese;STP;São Tomé",
    u"SA;+03:00;Saudi riyal (SAR);Arabic;SAU;Riyadh",
    u"SN;;West African CFA franc (XOF, Fr);French, Jola-Fogny (national), Mandinka (national), "
    u"Pulaar (national), Serer-Sine (national), Wolof (national);SEN;Dakar",
    u"RS;+01:00;Serbian dinar (RSD, or din.);Serbian (statewide), and some other languages in some "
    u"territories.;SRB;Belgrade",
    u"SC;+04:00;Seychellois rupee (SCR, Rs);English, French, Seychellois Creole;SYC;Victoria",
    u"SL;+00:00;Sierra Leonean leone (SLL, Le);English;SLE;Freetown",
    u"SG;+08:00;Brunei dollar (BND, $), Singapore dollar (SGD, $);English, Malay (national), "
    u"Chinese, Tamil;SGP;Singapore",
    u"SX;-04:00;Netherlands Antillean guilder (ANG, ƒ);Dh, English;SXM;Philipsburg",
    u"SK;+01:00;Euro (EUR, €);Slovak;SVK;Bratislava",
    u"SI;+01:00;Euro (EUR, €);Slovene (statewide), Hungarian/Italian/Serbo-Croatian in some "
    u"territories.;SVN;Ljubljana",
    u"SB;+11:00;Solomon Islands dollar (SBD, $);English;SLB;Honiara",
    u"SO;+03:00;Somali shilling (SOS, Sh);Somali (national)., Arabic;SOM;Mogadishu",
    u"ZA;+02:00;South African rand (ZAR, R);Afrikaans, English, Southern Ndebele, Northern Sotho, "
    u"Sotho, Swazi, Tsonga, Tswana, Venda, Xhosa, Zulu;ZAF;Pretoria",
    u"GS;-02:00;British pound (GBP, £), South Georgia and the South Sandwich Islands pound (None, "
    u"£);English;SGS;Grytviken",
    u"KR;+09:00;South Korean won (KRW);Korean;KOR;Seoul",
    u"ES;+01:00;Euro (EUR, €);Spanish (statewide), and some other languages in some "
    u"territories.;ESP;Madrid",
    u"LK;+05:30;Sri Lankan rupee (LKR, Rs);Sinhala (national), Tamil;LKA;Sri Jayawardenapura Kotte",
    u"SD;+02:00;Sudanese pound (SDG, £);Arabic, English;SDN;Khartoum",
    u"SR;-03:30;Surinamese dollar (SRD, $);Dh;SUR;Paramaribo",
    u"SJ;+02:00;;;SJM;",
    u"SZ;+02:00;Swazi lilangeni (SZL, L);English, Swazi;SWZ;Mbabane",
    u"SE;+01:00;Swedish krona (SEK, kr);Swedish, and some other languages like Finnish, Meänkieli, "
    u"Romani in some territories.;SWE;Stockholm",
    u"CH;+01:00;Swiss franc (CHF, Fr);German, French, Italian, Romansh;CHE;Bern",
    u"SY;+02:00;Syrian pound (SYP, £);Arabic;SYR;Damascus",
    u"TP;+08:00;United States dollar (USD, $);Indonesian, English;;Dili",
    u"TW;+08:00;New Taiwan dollar (TWD, $);Mandarin Chinese, Taiwanese (regional);TWN;Taipei",
    u"TJ;+06:00;Tajikistani somoni (TJS);Tajik (national), Russian (for interethnic "
    u"communication);TJK;Dushanbe",
    u"TZ;+03:00;Tanzanian shilling (TZS, Sh);Swahili (national), English;TZA;Dodoma",
    u"TH;+07:00;Thai baht (THB);Thai;THA;Bangkok",
    u"TG;+00:00;West African CFA franc (XOF, Fr);French;TGO;Lomé",
    u"TK;-10:00;New Zealand dollar (NZD, $);Tokelauan, English;TKL;Fakaofo",
    u"TO;+13:00;Tongan pa'anga (TOP, T$);English, Tongan (national);TON;Nuku",
    u"TT;-04:00;Trinidad and Tobago dollar (TTD, $);English;TTO;Port of Spain",
    u"TN;+01:00;Tunisian dinar (TND);Arabic (national), French;TUN;Tunis",
    u"TR;+02:00;Turkish lira (TRY, TL);Turkish;TUR;Ankara",
    u"TM;+05:00;Turkmenistani manat (TMT, m);Turkmen (national), Russian (for interethnic "
    u"communication);TKM;Ashgabat",
    u"TC;-05:00;United States dollar (USD, $);English;TCA;Cockburn Town",
    u"TV;+12:00;Australian dollar (AUD, $), Tuvaluan dollar (None, $);English, Tuvaluan "
    u"(national);TUV;Funafuti",
    u"UG;+03:00;Ugandan shilling (UGX, Sh);English, Swahili;UGA;Kampala",
    u"UA;+03:00;Ukrainian hryvnia (UAH);Ukrainian, Russian (regional), Crimean Tatar "
    u"(regional);UKR;Kiev",
    u"AE;+04:00;United Arab Emirates dirham (AED);Arabic;ARE;Abu Dhabi",
    u"GB;+00:00;Pound sterling (GBP);English, Irish, Scottish Gaelic, Scots, Ulster -Scots, "
    u"Welsh,Cornish;GBR;London",
    u"UK;+00:00;Pound sterling (GBP);English, Irish, Scottish Gaelic, Scots, Ulster -Scots, "
    u"Welsh,Cornish;GBR;London",
    u"US;-11:00 - -05:00;United States dollar (USD, $);English (de facto);USA;Washington, D.C.",
    u"UM;;United States dollar (USD, $);English;UMI;",
    u"UY;-03:00;Uruguayan peso (UYU, $);Spanish;URY;Montevideo",
    u"UZ;+06:00;Uzbekistani som (UZS);Uzbek (national), Russian (for interethnic "
    u"communication);UZB;Tashkent",
    u"VU;+11:00;Vanuatu vatu (VUV, Vt);Bislama (national), English, French;VUT;Port Vila",
    u"VA;+01:00;Euro (EUR, €);Italian (de facto).;VAT;Vatican City",
    u"VE;-04:00;Venezuelan bolívar (VEF, Bs F);Spanish;VEN;Caracas",
    u"VN;+07:00;Vietnamese Dong (VND);Vietnamese;VNM;Hanoi",
    u"VG;-04:00;British Virgin Islands dollar (None, $), United States dollar (USD, "
    u"$);English;VGB;Road Town",
    u"VI;-04:00;United States dollar (USD, $);English;VIR;Charlotte Amalie",
    u"WF;+12:00;CFP franc (XPF, Fr);French;WLF;Mata-Utu",
    u"EH;+00:00;Moroccan dirham (MAD);Arabic;ESH;Laâyoune (El Aaiún)",
    u"YE;+03:00;Yemeni rial (YER);Arabic;YEM;Sanaá",
    u"ZR;+01:00;Zaïre (Nouveau Zaïre);French, also Kikongo,Lingala, Tschiluba und "
    u"Swahili;;Kinshasa",
    u"ZM;+02:00;Zambian kwacha (ZMK, ZK);English;ZMB;Lusaka",
    u"ZW;+02:00;Botswana pula (BWP, P), British pound (GBP, £), Euro (EUR, €), South African rand "
    u"(ZAR, R), United States dollar (USD, $), Zimbabwean dollar (ZWL, $);Englisch, Shona, "
    u"Ndebele;ZWE;Harare",
};

} // namespace orbisco
