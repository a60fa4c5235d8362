#pragma once

#include "knowledge/NakshatraProse.h"

// Descriptive paragraphs, rows 1 to 9 of the profile table, in zodiac order. Written for this program.
inline constexpr NakshatraProse proseAshwiniToAshlesha[] = {
    // Ashwini
    {
        "Ashwini is the first nakshatra of the zodiac and spans 0°00′ to 13°20′ of Aries. Its ruling planet is Ketu "
        "and its ruling deva Ashwina Kumara, the twin horsemen who serve as physicians of the demigods, and the head "
        "of a horse is the star's sign. People born under it tend to have a lean, well-proportioned body that seems "
        "made for movement, a broad forehead, bright and eager eyes and a quick, springy step. Many keep a youthful "
        "look long after their contemporaries have lost it.",
        "People born under Ashwini have the energy of a horse at the start of a race, and the horse is indeed both "
        "the animal and the emblem of their star. They are quick to understand, quick to decide and quick to act, and "
        "they rarely wait for someone else to make the first move. Like the divine twins who rode to the rescue of "
        "anyone in distress, they feel a genuine urge to help, heal and set things right, often unasked and without "
        "expecting thanks. Their courage is natural rather than studied: new places, new ideas and new beginnings "
        "excite them instead of frightening them. Honest and straightforward, they dislike intrigue and keep a "
        "cheerful, childlike freshness that makes them good company. Ketu sharpens their intuition, so that a first "
        "impression of a person or a problem is often the right one, and dharma, their aim in life, gives all this "
        "energy a purpose: they want their work to do some real good.",
        "Speed makes those born under Ashwini fine starters and, too often, poor finishers. They plunge into ventures "
        "before thinking them through, lose interest once the first excitement fades, and may leave a trail of "
        "half-finished projects behind them. Impatience is their besetting fault: they dislike waiting, take advice "
        "badly and can be blunt to the point of tactlessness. Independence may harden into stubbornness, and a sudden "
        "restlessness, so typical of the horse, can make them change jobs, homes or plans without warning. When "
        "crossed they flare up quickly, though the anger usually passes as fast as it came.",
        "Work that rewards quick decisions suits anyone born under Ashwini: emergency medicine, rescue services, "
        "veterinary care, sport and coaching, horse training, transport and the armed forces.",
        "Ashwini-born people keep a lively household that is seldom quiet for long. They are loyal to parents and "
        "siblings, first to arrive when a friend needs a hand, and happiest at home among people who enjoy an active "
        "life.",
        "Tradition places Ashwini in the upper part of the feet, fitting for a star of swift movement. Its dosha is "
        "Vata, light and quick: energy comes in bright bursts, scatters as fast, and returns in full after a spell of "
        "rest.",
    },
    // Bharani
    {
        "Bharani follows as the second nakshatra, covering the stretch from 13°20′ to 26°40′ of Aries. Venus is its "
        "ruling planet and Yamaraja, the stern judge and punisher of death, its ruling deva. Its symbol is the yoni, "
        "the female organ of birth, a reminder that this star watches over both the coming in and the going out of "
        "life. In build its people are usually of medium height, with a strong, well-knit frame, a wide forehead, "
        "clear and expressive eyes, white teeth and a ready smile.",
        "Two gifts are held in balance by those born under Bharani: from Venus a keen sense of beauty, pleasure and "
        "comfort, and from Yamaraja an equally keen sense of duty and fair play. They are honest to the core and "
        "speak their minds plainly; lying does not come easily to them. Patient, steady and loyal, like the elephant "
        "that the tradition gives their star, they can carry burdens that would crush others. They have a real "
        "appetite for life and a talent for making the most of its good things, yet they face hard truths, loss and "
        "death included, with unusual calm. Artha, their aim in life, makes them capable earners and careful stewards "
        "of what they own, and once a task is begun they see it through. Friends value them for their frankness and "
        "for a generosity that is real rather than showy.",
        "Bharani's frankness is a virtue until it turns into harshness, and then those who carry it can be "
        "judgemental, quick to condemn and slow to forgive, as though they sat in Yamaraja's court themselves. The "
        "Venusian love of pleasure may run to excess in food, comfort, spending or romance, and a strong will easily "
        "slides into obstinacy. Under pressure the ferocious nature of the star shows in sudden outbursts of temper "
        "that they later regret. Some are jealous and possessive in love, some resent criticism, and many find it "
        "hard to accept that the rules they apply to others apply to themselves as well.",
        "Law and the courts, finance, film, fashion and the beauty trade suit those born under Bharani, as does work "
        "at the beginning or end of life, such as midwifery, hospice care or insurance.",
        "For people whose birth star is Bharani, home is a place of comfort and plenty, with a full table and "
        "handsome rooms. They stand by parents and siblings through thick and thin, and love with a loyal intensity.",
        "Bharani's place in the body, by the old reckoning, is the soles of the feet, on which a whole life stands. "
        "Pitta, its dosha, runs warm and intense: its people work with great heat and stamina and regain balance in "
        "cool, unhurried hours.",
    },
    // Krittika
    {
        "Krittika, the third nakshatra, is shared between two signs: it begins at 26°40′ of Aries and ends at 10°00′ "
        "of Taurus. Agni, the god of fire, is its ruling deva and the Sun its ruling planet, and it is pictured as a "
        "razor, the sharp blade that cuts away whatever is impure. Its people tend to have a medium to tall build, a "
        "strong neck and shoulders, a prominent nose and a bright, penetrating gaze; many have a glowing complexion "
        "and carry themselves with noticeable dignity.",
        "Fire purifies, and those born under Krittika carry something of that purifying power. They are direct, "
        "principled and ambitious, with a sharp intellect that quickly separates truth from pretence, and under the "
        "Sun's rule they have self-respect and a natural authority to which others readily defer. Their Rakshasa "
        "temperament, as the tradition reads it, makes them independent and intense: they think for themselves and "
        "will stand alone for what they believe is right. Yet the star is sharp and soft at once, and the sheep, its "
        "animal, stands for the gentleness beneath the firm exterior; like the six Krittika sisters who nursed the "
        "infant war god, they are nurturing and protective. They work hard, keep their word and, once they have "
        "chosen a goal, pursue it with remarkable determination.",
        "The razor of Krittika cuts in both directions, and words are its usual edge: those born under it can wound "
        "with a sharpness they do not always intend, and pride makes it hard for them to admit a mistake or to "
        "apologise. Their intensity shows as a fiery temper, a streak of stubbornness and a tendency to hold grudges. "
        "They may be overcritical of others while overlooking their own failings, and their high standards can leave "
        "them restless and dissatisfied. Ambition pursued too single-mindedly may isolate them, and the wish for "
        "recognition sometimes turns into vanity.",
        "Many cooks and chefs, goldsmiths, metal workers, military officers and administrators are born under "
        "Krittika, along with critics, editors and teachers who refine the work of others.",
        "Krittika's people keep a clean, well-run home and expect the same of everyone under its roof. They feed "
        "family and friends generously and defend them fiercely, and their warmth outlasts any sharp word.",
        "Krittika is given the head in the traditional scheme of the body, a fitting seat for a star of fire and "
        "sharp thought. Kapha, steady and cooling, is its dosha and tempers that fire, so that the energy of its "
        "people is strong and lasting once roused.",
    },
    // Rohini
    {
        "The fourth nakshatra, Rohini, lies wholly within Taurus, between 10°00′ and 23°20′ of the sign, and is "
        "counted among the loveliest of the lunar mansions. It is ruled by the Moon, whose favourite wife Rohini was "
        "said to be, and its ruling deva is Brahma, the creator of the universe; a chariot stands for it. Those born "
        "under Rohini are often strikingly attractive, with a shapely body, soft skin, large expressive eyes, a "
        "gentle smile and a graceful way of moving.",
        "Charm comes naturally to people born under Rohini, and the serpent, the star's animal, gives that charm a "
        "magnetic quality that others find hard to resist. Brahma, maker of the universe, shows in their fertile "
        "minds and their gift for bringing things into being, whether a garden, a business or a work of art; the "
        "Moon, who loved Rohini best of all his wives, shows in their sensitivity, imagination and fine feeling for "
        "colour, music and form. Rooted in the earth element and fixed by nature, they are steady and reliable: they "
        "build slowly, but what they build lasts. Courteous, sweet-spoken and sociable, they know how to make others "
        "feel welcome. Like a well-driven chariot they move purposefully towards their aims, and beneath their "
        "worldly grace runs a quiet longing for something higher, in keeping with moksha, their aim in life.",
        "Rohini's gifts of beauty and comfort carry their own temptations. Those born under it may grow attached to "
        "luxury, to admiration or to possessions, and find it hard to let go of anything, or anyone, they consider "
        "theirs. The Moon makes their moods changeable, and they can be oversensitive to criticism. Their steadiness "
        "easily becomes inflexibility; once their minds are made up, argument rarely moves them. Some are indulgent "
        "with food and pleasure, some vain about their appearance, and a few use their charm to get their own way. "
        "Possessiveness and jealousy, rather than anger, are their typical faults.",
        "Rohini's earthy, creative gifts point towards farming and gardening, the food and hotel trades, fashion and "
        "cosmetics, music, painting and interior design.",
        "Home is where people born under Rohini are happiest. They make it beautiful and comfortable, with good food, "
        "flowers and music, keep close ties with parents and relatives, and give a partner steady affection.",
        "For Rohini the tradition names the forehead as its place in the body. As a Kapha star, heavy and moist like "
        "fertile earth, it gives its people a calm, enduring strength that is slow to rise and slow to tire.",
    },
    // Mrigasira
    {
        "Mrigasira stands fifth among the nakshatras and bridges two signs, running from 23°20′ of Taurus to 6°40′ of "
        "Gemini. Its planet is Mars and its deva Chandra, the Moon as deity of the mind, and the head of a deer, "
        "always alert and searching, is its token. People born here are typically slim and of medium or tall height, "
        "with long limbs, a finely drawn face, well-marked eyebrows and bright, slightly restless eyes.",
        "Curiosity is the keynote of Mrigasira. Like the deer whose head is the star's symbol, those born under it "
        "are always searching: for knowledge, for beauty, for new experience and, at the deepest level, for truth. "
        "They are gentle, soft-spoken and courteous, with refined taste and a love of learning, travel and "
        "conversation. Their minds are lively and receptive, as befits a star whose deity is Chandra, ruler of the "
        "mind, and they feel real sympathy for other people, while Mars supplies the energy and courage to follow "
        "their questions wherever they lead. The serpent, the animal of the star, adds a quiet subtlety, so that they "
        "make keen observers who notice what others miss. Their Deva temperament makes them kind, faithful in "
        "friendship and fond of peace, and their quick wit makes them welcome in any gathering.",
        "Restlessness is the shadow of Mrigasira's endless searching, and it can set those born under the star "
        "drifting from one interest, job or relationship to the next, always suspecting that something better lies "
        "beyond the next hill. Timid in the manner of the deer, such people can be indecisive and easily alarmed, and "
        "suspicion of other people's motives may creep into their dealings. Mars makes some of them argumentative, "
        "and a sharp word from them can surprise those who know only their gentle side. Others grow fickle, impatient "
        "with routine, or so absorbed in their own pursuits that practical duties slip.",
        "Any career that lets them explore suits those born under Mrigasira: research and writing, teaching, travel "
        "and tourism, music, perfumery, textiles and surveying.",
        "Homes kept by people born under Mrigasira fill with books, music and visitors and change as new interests "
        "arrive. Affectionate with family and attentive to friends, they settle best among people who share their "
        "curiosity.",
        "The eyebrows are Mrigasira's in the traditional body lists, the arches that frame a searching gaze. Pitta, "
        "warm and bright, is the dosha of this star; its people run on keen mental energy and restore it in quiet "
        "hours.",
    },
    // Ardra
    {
        "In sixth place comes Ardra, which occupies Gemini from 6°40′ to 20°00′. It is ruled by Rahu, the shadowy "
        "north node of the Moon, and by the deva Rudra, the storm form of Shiva, lord of destruction and anger. A "
        "precious stone, hard and brilliant as if washed clean by the rain, is the star's sign. An Ardra-born person "
        "often has a lean or medium frame, a round face, sharp features and intense, searching eyes that miss very "
        "little, and moves with a quick, restless energy.",
        "Ardra means the moist one, and like a thunderstorm that clears the air, the people of this star have the "
        "power to sweep away what is stale and make room for new growth. They are intelligent, inquisitive and "
        "intensely truthful, with a mind that enjoys difficult problems and will not accept easy answers. Rahu, the "
        "shadowy node, pulls their curiosity towards the new and the unconventional, and many find their way into "
        "science, technology and research. They feel deeply, and their sympathy for those who suffer is genuine; "
        "having met hardship themselves, they know how to comfort others. When life knocks them down they recover "
        "with remarkable resilience, and with the faithfulness of the dog they stand by those they love in any "
        "weather. Their human temperament keeps them close to ordinary joys and sorrows, and they are at their best "
        "when helping others rebuild.",
        "Ardra's storm, which clears the air, can also do damage. Sudden gusts of anger come over those born under "
        "it, and they may say or do things in a moment that take years to repair. The star's sharp and dreadful "
        "nature can make them critical, restless and hard to please, and their truthfulness sometimes turns into a "
        "bluntness that hurts. Rahu is linked with spells of confusion, self-doubt or ingratitude, and some swing "
        "between elation and gloom. They can be arrogant about their intelligence, careless with money and reluctant "
        "to take advice, and when hurt they may nurse a grievance long after others have forgotten it.",
        "Under Ardra one finds many scientists, engineers, software developers and researchers, as well as "
        "investigators, psychologists and pharmacists, and many who work in disaster relief and reconstruction.",
        "People born under Ardra are devoted to their families and will go through any storm for them. Their home can "
        "be lively and at times stormy, but honest talk soon clears the air, and they are loyal to the friends they "
        "let in.",
        "Ardra is linked by tradition with the eyes, fitting for a star of restless, searching sight. Of Vata dosha, "
        "it carries the wind's quickness: energy comes in gusts, and calm, regular rest lets its people gather their "
        "strength again.",
    },
    // Punarvasu
    {
        "From 20°00′ of Gemini to 3°20′ of Cancer extends Punarvasu, the seventh nakshatra. Jupiter is its planet and "
        "Aditi, the boundless mother of the demigods, is its deva, and it is drawn both as a bow and as a house: the "
        "arrow that goes out and the shelter that welcomes it home. A tall, well-built frame is common among those "
        "born under it, with a pleasant oval face, a long nose, soft eyes and a kindly expression that inspires trust "
        "at first sight.",
        "Renewal is written into the very name of Punarvasu, the return of the light, and its people share that "
        "spirit. Whatever setbacks they suffer, they come back to hope, to goodness and to the things that matter, "
        "and like a cat, the creature of their star, they tend to land on their feet. Something of Aditi, the "
        "all-embracing mother, lives in their generous, forgiving hearts and their instinct to shelter and feed "
        "others, while Jupiter ripens in them a love of learning and philosophy and a faith that deepens with age. "
        "With artha as their aim they earn and manage money sensibly, yet they want it for the security of a home "
        "rather than for show. Adaptable by nature, they are at ease almost anywhere. Friends find them patient, "
        "good-humoured and wise in counsel, and many grow into teachers or advisers whom others seek out in difficult "
        "times.",
        "Contentment and easy acceptance, the gifts of Punarvasu, can slip into complacency in those born under it, "
        "who may lack drive, settle for less than they could achieve, or repeat the same mistakes in the belief that "
        "things will right themselves. Their mutable nature makes them changeable and at times unreliable, and the "
        "wish to please everyone can leave them unable to say no. Some are too trusting and are taken advantage of; "
        "others become preachy, offering advice where none was asked. The cat's urge to roam and return can make them "
        "wander from one place or occupation to another without a clear aim.",
        "Teaching and writing come naturally to those born under Punarvasu, as do counselling, religious and "
        "charitable work, publishing, hospitality and travel.",
        "A house full of relatives and guests suits people whose birth star is Punarvasu: they keep an open door and "
        "a well-stocked kitchen, honour their parents and come back to their family, however far they wander.",
        "The nose is Punarvasu's part of the body in the old lists, the passage of the renewing breath. Vata is its "
        "dosha, airy and changeable, so the energy of its people rises and falls and, like the star's returning "
        "light, comes back after rest.",
    },
    // Pushya
    {
        "Among the lunar mansions, the eighth, Pushya, is often called the most auspicious. It falls between 3°20′ "
        "and 16°40′ of Cancer, is ruled by Saturn and has as its deva Brihaspati, the planet Jupiter in his role as "
        "teacher of the demigods. A circle, a flower and an arrow are its symbols. People born under Pushya usually "
        "have a medium, well-nourished build, a full and pleasant face, a calm bearing and gentle eyes that reflect a "
        "settled mind.",
        "To nourish and to thrive: that is what the name Pushya means, and the people of this star live up to it. "
        "They are caring, dependable and conscientious, the kind of people who quietly take responsibility for others "
        "and see that their needs are met. Their reverence for learning, respect for tradition and strong moral sense "
        "belong to Brihaspati, guru of the gods; their discipline, patience and capacity for steady work belong to "
        "Saturn. Like the sheep, they are at their best in company, modest and sincere, slow to boast and quick to "
        "help, and their advice is practical and well considered. Devoted to dharma, they keep their promises, honour "
        "their elders and often find real joy in religious or charitable work. Their calm, protective presence makes "
        "a household, an office or a whole community feel safe.",
        "Too much of a good thing is the danger for Pushya: in those born under it, devotion to duty can turn rigid "
        "or overbearing. They may insist that their way is the only right one, moralise at those who live differently "
        "and find change hard to accept. Saturn can bring pessimism, self-doubt and a habit of worrying over things "
        "that may never happen. Their protectiveness sometimes smothers the people they care for, and they may give "
        "so much that they later feel unappreciated and resentful. In some the wish for security leads to stinginess "
        "or to an excessive attachment to rules, status and routine.",
        "As nurturers, those born under Pushya make good teachers, priests, counsellors, nurses and social workers, "
        "and they prosper in dairy farming, food production and the running of charities.",
        "Pushya is the star of the nourishing home, and its people keep one: a warm kitchen, regular meals and a "
        "place at the table for anyone in need. They honour their elders and hold the family together.",
        "Tradition assigns Pushya the face, where a settled mind shows most plainly. This is a Pitta star, warm and "
        "steady in its heat; its people keep an even energy when they share their burdens, and rest deeply in "
        "familiar places.",
    },
    // Ashlesha
    {
        "Ashlesha, the ninth nakshatra, closes the first round of the nine planetary rulers and lies between 16°40′ "
        "and 30°00′ of Cancer. Mercury rules it and Naga, the serpent deity, is its ruling deva; fittingly, it is "
        "pictured as a coiled serpent. In body its people are frequently slender or compact, with a broad face, small "
        "but piercing eyes and a composed, watchful manner; some have a distinctive voice or a slightly hypnotic way "
        "of looking at people.",
        "Serpent wisdom belongs to those born under Ashlesha: a keen, penetrating intelligence, an instinct for what "
        "lies hidden and a remarkable ability to read other people. Mercury sharpens their eloquence, wit and skill "
        "in argument and negotiation, and few can match them in strategy or in finding a way through complex "
        "situations. A Rakshasa temperament in the old sense, intense, self-reliant and unwilling to follow the "
        "crowd, gives them a mind of their own, and like the cat they keep their own counsel and watch before they "
        "move. Once their loyalty is won they are fiercely protective of family and friends. Many take a deep "
        "interest in psychology, medicine or the powers of the mind, and in them the serpent's gift to heal, to renew "
        "itself and to shed an old skin is very real.",
        "The penetrating mind of Ashlesha can be put to crooked uses. Secretive, suspicious and manipulative at their "
        "worst, its people wind their way around others rather than dealing with them openly, and their gift with "
        "words can turn into flattery or deceit. Their intensity then shows as a cold anger and a long memory for "
        "injury; they rarely forget a slight and may wait patiently for a chance to return it. Possessiveness, "
        "jealousy and a need to control are common, and some withdraw into moody isolation, trusting no one. A sharp "
        "tongue can spoil relationships they actually value.",
        "Ashlesha's sharp mind is put to good use in psychology, medicine and pharmacy, research, law, diplomacy and "
        "journalism, and in any work of negotiation or investigation.",
        "Home for those born under Ashlesha is a private den, guarded closely and shared with few. Inside it they are "
        "loyal to family and old friends, and their watchful care becomes a steady warmth.",
        "The ears belong to Ashlesha in the traditional scheme, in keeping with a star that listens closely. Being a "
        "Kapha star, slow and steady, it gives its people deep reserves of stamina; they gather themselves slowly and "
        "are renewed by solitude and rest.",
    },
};
