#pragma once

#include "knowledge/NakshatraProse.h"

// Descriptive paragraphs, rows 1 to 9 of the profile table, in zodiac order. Written for this program.
inline constexpr NakshatraProse proseAshwiniToAshlesha[] = {
    // Ashwini
    {
        "Ashwini is the first nakshatra of the zodiac and spans 0°00′ to 13°20′ of Aries. Its ruling planet "
        "is Ketu, its ruling deva is Ashwina Kumara, the twin horsemen who serve as physicians of the "
        "demigods, and its emblem is the head of a horse. People born under it tend to have a lean, "
        "well-proportioned body that seems made for movement, a broad forehead, bright and eager eyes and a "
        "quick, springy step. Many keep a youthful look long after their contemporaries have lost it.",
        "Natives of Ashwini, whose animal and emblem are both the horse, carry the energy of a horse at the start of "
        "a race. They are quick to understand, quick to decide and quick to act, and they rarely wait for someone "
        "else to make the first move. Like the divine twins who rode to the rescue of anyone in distress, they feel a "
        "genuine urge to help, heal and set things right, often without being asked and without expecting thanks. "
        "Their courage is natural rather than studied: new places, new ideas and new beginnings excite them instead "
        "of frightening them. They are honest and straightforward, dislike intrigue, and keep a cheerful, childlike "
        "freshness that makes them good company. Ketu lends them intuition, so that their first impression of a "
        "person or a problem is often the right one, and their pull towards dharma gives all this energy a purpose: "
        "they want their work to do some real good.",
        "The same speed that makes Ashwini natives such good starters can leave them poor finishers. They "
        "plunge into ventures before thinking them through, lose interest once the first excitement fades, "
        "and may leave a trail of half-completed projects behind them. Impatience is their besetting fault: "
        "they dislike waiting, take advice badly and can be blunt to the point of tactlessness. Their "
        "independence may harden into stubbornness, and a sudden restlessness, so typical of the horse, can "
        "make them change jobs, homes or plans without warning. When crossed they flare up quickly, although "
        "the anger usually passes as fast as it came.",
        "Work that rewards quick decisions suits Ashwini natives: medicine, emergency and rescue services, "
        "veterinary care, sport, horse training and transport.",
        "As an Ashwini native you bring warmth and enthusiasm to your home; married life goes best when your partner "
        "gives you room to move and you slow down to listen.",
        "Tradition gives Ashwini the upper part of the feet, and the star's swift nature is linked there with sprains "
        "and knocks. As a Vata star it is also associated with headaches and with fevers that rise and pass quickly.",
    },
    // Bharani
    {
        "Bharani follows as the second nakshatra, covering the stretch from 13°20′ to 26°40′ of Aries. Venus "
        "is its ruling planet and Yamaraja, the stern judge and punisher of death, its ruling deva. Its "
        "symbol is the yoni, the female organ of birth, a reminder that this star watches over both the "
        "coming in and the going out of life. Bharani natives are usually of medium height with a strong, "
        "well-knit frame, a wide forehead, clear and expressive eyes, white teeth and a ready smile.",
        "With Venus as their planet, people born under Bharani have a keen sense of beauty, pleasure and "
        "comfort, and with Yamaraja as their deva an equally keen sense of duty and fair play. They are "
        "honest to the core and speak their minds plainly; lying does not come easily to them. They can carry "
        "burdens that would crush others, and like the elephant, their animal, they are patient, steady and "
        "loyal to those they love. They have a real appetite for life and a talent for making the most of its "
        "good things, yet they face hard truths, loss and death included, with unusual calm. Determined and "
        "resourceful, they keep going until a task is done, and artha, their aim in life, makes them capable "
        "earners and careful managers of what they own. Friends value them for their frankness and for a "
        "generosity that is real rather than showy.",
        "Bharani's frankness is a virtue until it turns into harshness: its natives can be judgemental, quick to "
        "condemn and slow to forgive, as though they sat in Yamaraja's court themselves. The Venusian love of "
        "pleasure may run to excess in food, comfort, spending or romance, and their strong will easily slides into "
        "obstinacy. Under pressure they show the ferocity of their nature in sudden outbursts of temper that they "
        "later regret. Some are jealous and possessive in love, some resent criticism, and many find it hard to "
        "accept that the rules they apply to others also apply to themselves.",
        "Bharani natives do well in law, finance, film and fashion, and in work that touches birth or death, "
        "such as midwifery or insurance.",
        "Born under Bharani, you are passionate and loyal in love but possessive; your marriage thrives when you "
        "temper jealousy with trust.",
        "Bharani rules the soles of the feet in the old body lists, which tie the star to cracked skin and aching "
        "soles. Its Pitta dosha adds heat: the tradition links it with skin complaints and with the after-effects of "
        "overindulgence.",
    },
    // Krittika
    {
        "Krittika, the third nakshatra, is shared between two signs: it begins at 26°40′ of Aries and ends at "
        "10°00′ of Taurus. Agni, the god of fire, is its ruling deva and the Sun its ruling planet, while its "
        "emblem is a razor, the sharp blade that cuts away whatever is impure. Natives tend to have a medium "
        "to tall build, a strong neck and shoulders, a prominent nose and a bright, penetrating gaze; many "
        "have a glowing complexion and carry themselves with noticeable dignity.",
        "Fire purifies, and Krittika natives carry something of that purifying power. They are direct, principled and "
        "ambitious, with a sharp intellect that quickly separates truth from pretence. Under the Sun's rule they have "
        "self-respect and natural authority, and people instinctively look to them to take charge. Their nature is "
        "both sharp and soft: the blade that cuts can also be the knife of a careful cook. The sheep, their animal, "
        "stands for the gentleness beneath their firm exterior: they are nurturing and protective, much as the six "
        "Krittika sisters nursed the infant war god. They work hard, keep their word and hold a strong sense of "
        "honour. Once they have chosen a goal they pursue it with remarkable determination, and they are not afraid "
        "to stand alone for what they believe is right.",
        "The razor of Krittika cuts in both directions. Its natives can wound with words, speaking with a sharpness "
        "they do not always intend, and their pride makes it hard for them to admit a mistake or to apologise. Their "
        "Rakshasa temperament shows in a fiery temper, a streak of stubbornness and a tendency to hold grudges. They "
        "may be overcritical of others while overlooking their own failings, and their high standards can leave them "
        "restless and dissatisfied. Ambition pursued too single-mindedly may isolate them, and their wish for "
        "recognition sometimes turns into vanity.",
        "Many cooks and chefs, goldsmiths and metal workers, military officers, administrators, critics, editors and "
        "teachers are born under Krittika.",
        "Family matters deeply to a Krittika native like you, yet a sharp word from you can hurt those closest; "
        "patience on both sides keeps the peace.",
        "In the traditional scheme Krittika governs the head, and its fiery rulers link the star with headaches, "
        "fevers and tired eyes, and with burns and cuts; its Kapha dosha adds a leaning towards colds and congestion.",
    },
    // Rohini
    {
        "The fourth nakshatra, Rohini, lies wholly within Taurus, between 10°00′ and 23°20′ of the sign, and "
        "is counted among the loveliest of the lunar mansions. It is ruled by the Moon, whose favourite wife "
        "Rohini was said to be, and its ruling deva is Brahma, the creator of the universe; its emblem is a "
        "chariot. Rohini natives are often strikingly attractive, with a shapely body, soft skin, large "
        "expressive eyes, a gentle smile and a graceful way of moving.",
        "Charm comes naturally to people born under Rohini, and the serpent, their animal, lends it a magnetic "
        "quality that others find hard to resist. Brahma, maker of the universe, shows in their fertile minds and "
        "their gift for bringing things into being, whether a garden, a business or a work of art; the Moon, who "
        "loved Rohini best of all his wives, shows in their sensitivity, imagination and fine feeling for colour, "
        "music and form. Rooted in the earth element and fixed by nature, they are steady and reliable: they build "
        "slowly, but what they build lasts. They are courteous, sweet-spoken and sociable, and they know how to make "
        "others feel welcome. Like a well-driven chariot they move purposefully towards their aims, and their love of "
        "comfort is matched by the patience to earn it. Many are deeply attached to nature, family and tradition, and "
        "beneath their worldly grace runs a quiet longing for something higher, in keeping with moksha, their aim in "
        "life.",
        "Rohini's gifts of beauty and comfort carry their own temptations. Natives may grow attached to "
        "luxury, to admiration or to possessions, and find it hard to let go of anything, or anyone, they "
        "consider theirs. The Moon makes their moods changeable, and they can be oversensitive to criticism. "
        "Their steadiness easily becomes inflexibility; once their minds are made up, argument rarely moves "
        "them. Some are indulgent with food and pleasure, some are vain about their appearance, and a few use "
        "their charm to get their own way. Possessiveness and jealousy, rather than anger, are their typical "
        "faults.",
        "Rohini's earthy, creative gifts point towards farming and gardening, the food trade, fashion, music, "
        "painting and interior design.",
        "Home is where you are happiest, as Rohini natives usually are: you make it beautiful and comfortable, and "
        "you are an affectionate partner and caring parent.",
        "For Rohini the tradition names the forehead as its part of the body, and its Kapha dosha, heavy and moist, "
        "is associated with headaches, sinus pain, sore throats and colds.",
    },
    // Mrigasira
    {
        "Mrigasira stands fifth among the nakshatras and bridges two signs, running from 23°20′ of Taurus to "
        "6°40′ of Gemini. Mars is its ruling planet and Chandra, the Moon as deity of the mind, its ruling "
        "deva; its emblem is the head of a deer, always alert and searching. People born here are typically "
        "slim and of medium or tall height, with long limbs, a finely drawn face, well-marked eyebrows and "
        "bright, slightly restless eyes.",
        "Curiosity is the keynote of Mrigasira. Like the deer whose head is its symbol, its natives are always "
        "searching: for knowledge, for beauty, for new experience and, at the deepest level, for truth. They are "
        "gentle, soft-spoken and courteous, with refined taste and a love of learning, travel and conversation. Their "
        "minds are lively and receptive, as befits a star whose deity is Chandra, the Moon as ruler of the mind, and "
        "they feel real sympathy for other people; Mars, the ruling planet, supplies the energy and courage to follow "
        "their questions wherever they lead. The serpent, the star's animal, adds a quiet subtlety, so that they make "
        "good researchers and keen observers who notice what others miss. Their Deva temperament makes them kind and "
        "well-meaning, faithful in friendship and fond of peace, and their wit and quick intelligence make them "
        "pleasant company in any gathering.",
        "Restlessness is the shadow of Mrigasira's endless searching. Its natives may drift from one interest, job or "
        "relationship to the next, always suspecting that something better lies just beyond the next hill. Timid in "
        "the manner of the deer, they can be indecisive and easily alarmed, and suspicion of other people's motives "
        "may creep into their dealings. Mars makes some of them argumentative, and a sharp word from them can "
        "surprise those who know only their gentle side. Others grow fickle, impatient with routine, or so absorbed "
        "in their own pursuits that they neglect practical duties.",
        "Mrigasira natives welcome any career that lets them explore: research, writing, teaching, travel, music, "
        "perfumery or work as a surveyor.",
        "Marriage with Mrigasira natives asks for patience, for they are affectionate but restless; once "
        "settled, they make caring spouses and parents.",
        "The tradition links Mrigasira with the eyebrows, and so with the face and the eyes around them; its Pitta "
        "dosha is associated with heat in the skin, such as rashes and eruptions, and with sinus complaints and "
        "headaches.",
    },
    // Ardra
    {
        "In sixth place comes Ardra, which occupies Gemini from 6°40′ to 20°00′. It is ruled by Rahu, the shadowy "
        "north node of the Moon, and by the deva Rudra, the storm form of Shiva, lord of destruction and anger. Its "
        "emblem is a precious stone, hard and brilliant, as if washed clean by the rain. Ardra natives often have a "
        "lean or medium frame, a round face, sharp features and intense, searching eyes that miss very little.",
        "Ardra means the moist one, and like a thunderstorm that clears the air, its natives have the power to sweep "
        "away what is stale and make room for new growth. They are intelligent, inquisitive and intensely truthful, "
        "with a mind that enjoys difficult problems and will not accept easy answers. Rahu, the shadowy node, pulls "
        "their curiosity towards the new and the unconventional, and many find their way into science, technology and "
        "research. They feel deeply, and their sympathy for people who are suffering is genuine; having met hardship "
        "themselves, they know how to comfort others. When life knocks them down they recover with remarkable "
        "resilience, and like the dog, their animal, they stand by those they love in any weather.",
        "Ardra's storm, which clears the air, can also destroy: its natives are subject to sudden gusts of anger and "
        "may say or do things in a moment that take years to repair. Their sharp and dreadful nature can make them "
        "critical, restless and hard to please, and their truthfulness sometimes turns into bluntness that hurts. "
        "Rahu is linked with spells of confusion, self-doubt or ingratitude, and some natives swing between elation "
        "and gloom. They can be arrogant about their intelligence, careless with money and reluctant to accept "
        "advice, and when hurt they may nurse their grievances long after others have forgotten them.",
        "Under Ardra one finds many scientists, software developers, engineers, researchers, investigators, "
        "psychologists and pharmacists.",
        "Ardra natives are truly devoted to their families, though the storms of their temper can unsettle the "
        "household; an understanding partner helps to calm them.",
        "Ardra is linked by tradition with the eyes, and with the strain that a restless, searching gaze can bring; "
        "as a Vata star it is also associated with the throat, the breath and the nerves.",
    },
    // Punarvasu
    {
        "From 20°00′ of Gemini to 3°20′ of Cancer extends Punarvasu, the seventh nakshatra. Jupiter is its "
        "planet and Aditi, the boundless mother of the demigods, is its deva, while its emblem is both a bow "
        "and a house: the arrow that goes out and the shelter that welcomes it home. Natives are often tall "
        "and well built, with a pleasant oval face, a long nose, soft eyes and a kindly expression that "
        "inspires trust at first sight.",
        "Renewal is written into the very name of Punarvasu, the return of the light, and its natives share that "
        "spirit. Whatever setbacks they suffer, they come back to hope, to goodness and to the things that matter, "
        "and like the cat, their animal, they tend to land on their feet. Something of Aditi, the all-embracing "
        "mother, lives in their generous, forgiving hearts and their instinct to shelter and feed others; Jupiter's "
        "part is the wisdom, faith and love of learning and philosophy that ripen in them with age. With artha as "
        "their aim in life they earn and manage money sensibly, yet they want it for the security of home and family "
        "rather than for show, and they are honest in their dealings and happiest when life is simple. Adaptable by "
        "nature, they adjust easily to new circumstances and are at home almost anywhere. Friends find them patient, "
        "good-humoured and wise in counsel, and many grow into teachers, advisers or spiritual guides whom others "
        "seek out in difficult times.",
        "Contentment and easy acceptance, the gifts of Punarvasu, can slip into complacency. Natives may lack "
        "drive, settle for less than they could achieve, or repeat the same mistakes in the belief that "
        "things will right themselves. Their mutable nature makes them changeable and at times unreliable, "
        "and their wish to please everyone can leave them unable to say no. Some are too trusting and are "
        "taken advantage of; others become preachy, offering advice where none was asked. A streak of "
        "restlessness, the cat's urge to roam and return, can make them wander from one place or occupation "
        "to another without a clear aim.",
        "Teaching and writing come naturally to Punarvasu natives, as do counselling, religious work, "
        "hospitality and travel.",
        "A house full of relatives and guests suits Punarvasu natives, who honour their parents and make "
        "loyal, forgiving spouses.",
        "The nose is Punarvasu's part of the body in the old lists, which tie the star to colds, sinus trouble and "
        "sneezing; its Vata dosha connects it as well with the lungs and with an uneven digestion.",
    },
    // Pushya
    {
        "Among the lunar mansions, the eighth, Pushya, is often called the most auspicious. It falls between "
        "3°20′ and 16°40′ of Cancer, is ruled by Saturn and has as its deva Brihaspati, the planet Jupiter in "
        "his role as teacher of the demigods. Its emblems are a circle, a flower and an arrow. Pushya natives "
        "usually have a medium, well-nourished build, a full and pleasant face, a calm bearing and gentle "
        "eyes that reflect a settled mind.",
        "To nourish and to thrive: that is what the name Pushya means, and its natives live up to it. They are "
        "caring, dependable and conscientious, the kind of people who quietly take responsibility for others and see "
        "that their needs are met. Their reverence for learning, respect for tradition and strong moral sense belong "
        "to Brihaspati, guru of the gods; their discipline, patience and capacity for steady hard work belong to "
        "Saturn. Like the sheep, their animal, they are at their best among others, modest and sincere, slow to boast "
        "and quick to help, and their advice is practical and well considered. Devoted to dharma, they keep their "
        "promises, honour their elders and often find real joy in religious or charitable work. Their calm, "
        "protective presence makes a household, an office or a whole community feel safe.",
        "Too much of a good thing is the danger for Pushya natives: their devotion to duty can turn rigid or "
        "overbearing. They may insist that their way is the only right one, moralise at those who live "
        "differently and find change hard to accept. Saturn's influence can bring pessimism, self-doubt and a "
        "habit of worrying over things that may never happen. Their protectiveness sometimes smothers the "
        "people they care for, and they may give so much that they later feel unappreciated and resentful. In "
        "some natives the wish for security leads to stinginess or to an excessive attachment to rules, "
        "status and routine.",
        "As nurturers, Pushya natives make good teachers, priests, counsellors, nurses and social workers, "
        "and prosper in dairy farming and food production.",
        "Pushya natives are faithful partners and devoted parents, though at home their care can turn controlling.",
        "Tradition assigns Pushya the face, and with it the skin and the teeth; its Pitta dosha adds heat, and the "
        "chest and stomach are counted among the star's sensitive places.",
    },
    // Ashlesha
    {
        "Ashlesha, the ninth nakshatra, closes the first round of the nine planetary rulers and lies between "
        "16°40′ and 30°00′ of Cancer. Mercury rules it and Naga, the serpent deity, is its ruling deva; its "
        "emblem, fittingly, is a coiled serpent. Natives frequently have a slender or compact body, a broad "
        "face, small but piercing eyes and a composed, watchful manner; some have a distinctive voice or a "
        "slightly hypnotic way of looking at people.",
        "Serpent wisdom belongs to people born under Ashlesha: a keen, penetrating intelligence, an instinct for what "
        "lies hidden and a remarkable ability to read others. Mercury gives them eloquence, wit and skill in argument "
        "and negotiation, and few can match them in strategy or in finding their way through complex situations. "
        "Watchful and self-reliant like the cat, their animal, they are also persistent, holding on to a goal, as the "
        "serpent holds its prey, until it is theirs. Once their loyalty is won they are fiercely protective of family "
        "and friends. Many take a deep interest in psychology, medicine, the occult or anything that deals with the "
        "powers of the mind, and in them the serpent's power to heal, to renew itself and to shed an old skin is as "
        "real as its sting.",
        "The penetrating mind of Ashlesha can be put to crooked uses. Natives may become secretive, "
        "suspicious and manipulative, winding their way around people rather than dealing with them openly, "
        "and their gift with words can turn into flattery or deceit. Their Rakshasa temperament shows as a "
        "cold anger and a long memory for injury; they rarely forget a slight and may wait patiently for a "
        "chance to return it. Possessiveness, jealousy and a need to control are common, and some withdraw "
        "into moody isolation, trusting no one. They are not always grateful for help received, and their "
        "sharp tongue can poison relationships they actually value.",
        "The sharp Ashlesha mind is put to good use in psychology, medicine and pharmacy, research, law, diplomacy "
        "and journalism.",
        "People born under Ashlesha are fiercely protective of their family, yet can be possessive at home; trust "
        "makes their marriage happier.",
        "The ears belong to Ashlesha in the traditional scheme, which connects the star with earache and with the "
        "hearing; a slow digestion and tension held in the nerves are also linked with this Kapha star.",
    },
};
