# The rooms under src/ and the arrows between them, written here and nowhere else.
# The build links each room to the rooms it uses, checks every room's includes
# against this table (at configure time and again whenever a source changes) and
# checks the graph in README.md ("Layout") against it; cmake/Layering.cmake does both.
#
# zeruda_rank(<room> <rank> [USES <rooms>...] [HEADERS <rooms>...] [NATIVE] [FRONT_END])
#   rank       0 to 9; arrows point down: a room uses only rooms of a lower rank
#   USES       the rooms it links and includes
#   HEADERS    rooms whose headers (plain types) it includes without linking them
#   NATIVE     not part of the browser edition
#   FRONT_END  a program's front end: builds its own library and links its uses
# A room listed here whose folder is not there yet is left out of the build.
zeruda_rank(text 0)

zeruda_rank(dictionary 1 USES text)
zeruda_rank(calendar 1 USES text)
zeruda_rank(storage 1 USES text)
zeruda_rank(run 1)

zeruda_rank(numerology 2 USES dictionary text)
zeruda_rank(chart 2 USES calendar dictionary text)
zeruda_rank(web 2 USES storage text NATIVE)
zeruda_rank(registration 2 USES dictionary text)
# The name facts (readings, meanings, verse pairs, words to avoid): a room of their own,
# so only what judges or draws names carries their tables.
zeruda_rank(naming 2 USES dictionary text)

zeruda_rank(almanac 3 USES calendar chart text)
zeruda_rank(pictures 3 USES calendar chart numerology text)
zeruda_rank(profile 3 USES calendar dictionary storage text)

zeruda_rank(app 4 USES numerology profile storage text)
zeruda_rank(library 4 USES almanac calendar storage text)

zeruda_rank(generation 5
  USES calendar chart dictionary naming numerology profile registration run storage text)
zeruda_rank(personal 5 USES calendar chart dictionary naming numerology profile run storage text)

zeruda_rank(shortlist 6 USES calendar generation numerology registration storage text)

# One typed request and one function per user action, for every front end.
zeruda_rank(actions 7
  USES almanac app calendar chart dictionary generation library naming numerology personal
       pictures profile registration run shortlist storage text)

# The runs' rows and the judged shortlist come in already computed: json reads their
# plain types without linking the rooms that make them.
zeruda_rank(json 8
  USES actions almanac calendar chart dictionary numerology registration text
  HEADERS generation naming personal shortlist)

zeruda_rank(cli 9 FRONT_END NATIVE
  USES actions almanac app calendar chart dictionary generation json library naming numerology
       personal pictures profile run shortlist storage text web)
zeruda_rank(gui 9 FRONT_END NATIVE
  USES actions almanac app calendar chart dictionary generation library numerology personal
       pictures profile registration run shortlist storage text web)
zeruda_rank(wasm 9 FRONT_END
  USES actions almanac app calendar chart generation json library numerology personal pictures
       run shortlist storage text)

# Generated headers (embedded data, the solar-term table) belong to no room.
set(ZERUDA_UNRANKED_INCLUDES embedded data)
