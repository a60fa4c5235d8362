# Written by tools/picturegen (see tools/README.md); do not edit by hand.
set(ONDARA_ASSET_FILES
    nakshatra/ashwini.jpg
    nakshatra/bharani.jpg
    nakshatra/krittika.jpg
    nakshatra/rohini.jpg
    nakshatra/mrigasira.jpg
    nakshatra/ardra.jpg
    nakshatra/punarvasu.jpg
    nakshatra/pushya.jpg
    nakshatra/ashlesha.jpg
    nakshatra/magha.jpg
    nakshatra/poorva-phalguni.jpg
    nakshatra/uttara-phalguni.jpg
    nakshatra/hasta.jpg
    nakshatra/chitra.jpg
    nakshatra/swati.jpg
    nakshatra/vishakha.jpg
    nakshatra/anuradha.jpg
    nakshatra/jyeshtha.jpg
    nakshatra/moola.jpg
    nakshatra/purva-ashadha.jpg
    nakshatra/uttara-ashadha.jpg
    nakshatra/shravana.jpg
    nakshatra/dhanistha.jpg
    nakshatra/shatabhisha.jpg
    nakshatra/poorva-bhadrapada.jpg
    nakshatra/uttara-bhadrapada.jpg
    nakshatra/revati.jpg
    icons/ondara-16.png
    icons/ondara-24.png
    icons/ondara-32.png
    icons/ondara-48.png
    icons/ondara-64.png
    icons/ondara-128.png
    icons/ondara-256.png
    icons/ondara.svg
    pictures/main.png
    cursors/hand.png
)
set_source_files_properties(nakshatra/ashwini.jpg PROPERTIES QT_RESOURCE_ALIAS "nakshatra/Ashwini.jpg")
set_source_files_properties(nakshatra/bharani.jpg PROPERTIES QT_RESOURCE_ALIAS "nakshatra/Bharani.jpg")
set_source_files_properties(nakshatra/krittika.jpg PROPERTIES QT_RESOURCE_ALIAS "nakshatra/Krittika.jpg")
set_source_files_properties(nakshatra/rohini.jpg PROPERTIES QT_RESOURCE_ALIAS "nakshatra/Rohini.jpg")
set_source_files_properties(nakshatra/mrigasira.jpg PROPERTIES QT_RESOURCE_ALIAS "nakshatra/Mrigasira.jpg")
set_source_files_properties(nakshatra/ardra.jpg PROPERTIES QT_RESOURCE_ALIAS "nakshatra/Ardra.jpg")
set_source_files_properties(nakshatra/punarvasu.jpg PROPERTIES QT_RESOURCE_ALIAS "nakshatra/Punarvasu.jpg")
set_source_files_properties(nakshatra/pushya.jpg PROPERTIES QT_RESOURCE_ALIAS "nakshatra/Pushya.jpg")
set_source_files_properties(nakshatra/ashlesha.jpg PROPERTIES QT_RESOURCE_ALIAS "nakshatra/Ashlesha.jpg")
set_source_files_properties(nakshatra/magha.jpg PROPERTIES QT_RESOURCE_ALIAS "nakshatra/Magha.jpg")
set_source_files_properties(nakshatra/poorva-phalguni.jpg PROPERTIES QT_RESOURCE_ALIAS "nakshatra/Poorva Phalguni.jpg")
set_source_files_properties(nakshatra/uttara-phalguni.jpg PROPERTIES QT_RESOURCE_ALIAS "nakshatra/Uttara Phalguni.jpg")
set_source_files_properties(nakshatra/hasta.jpg PROPERTIES QT_RESOURCE_ALIAS "nakshatra/Hasta.jpg")
set_source_files_properties(nakshatra/chitra.jpg PROPERTIES QT_RESOURCE_ALIAS "nakshatra/Chitra.jpg")
set_source_files_properties(nakshatra/swati.jpg PROPERTIES QT_RESOURCE_ALIAS "nakshatra/Swati.jpg")
set_source_files_properties(nakshatra/vishakha.jpg PROPERTIES QT_RESOURCE_ALIAS "nakshatra/Vishakha.jpg")
set_source_files_properties(nakshatra/anuradha.jpg PROPERTIES QT_RESOURCE_ALIAS "nakshatra/Anuradha.jpg")
set_source_files_properties(nakshatra/jyeshtha.jpg PROPERTIES QT_RESOURCE_ALIAS "nakshatra/Jyeshtha.jpg")
set_source_files_properties(nakshatra/moola.jpg PROPERTIES QT_RESOURCE_ALIAS "nakshatra/Moola.jpg")
set_source_files_properties(nakshatra/purva-ashadha.jpg PROPERTIES QT_RESOURCE_ALIAS "nakshatra/Purva Ashadha.jpg")
set_source_files_properties(nakshatra/uttara-ashadha.jpg PROPERTIES QT_RESOURCE_ALIAS "nakshatra/Uttara Ashadha.jpg")
set_source_files_properties(nakshatra/shravana.jpg PROPERTIES QT_RESOURCE_ALIAS "nakshatra/Shravana.jpg")
set_source_files_properties(nakshatra/dhanistha.jpg PROPERTIES QT_RESOURCE_ALIAS "nakshatra/Dhanistha.jpg")
set_source_files_properties(nakshatra/shatabhisha.jpg PROPERTIES QT_RESOURCE_ALIAS "nakshatra/Shatabhisha.jpg")
set_source_files_properties(nakshatra/poorva-bhadrapada.jpg PROPERTIES QT_RESOURCE_ALIAS "nakshatra/Poorva Bhadrapada.jpg")
set_source_files_properties(nakshatra/uttara-bhadrapada.jpg PROPERTIES QT_RESOURCE_ALIAS "nakshatra/Uttara Bhadrapada.jpg")
set_source_files_properties(nakshatra/revati.jpg PROPERTIES QT_RESOURCE_ALIAS "nakshatra/Revati.jpg")
