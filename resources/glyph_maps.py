"""The button glyphs as pixel maps: each at 100 per cent, and drawn again for 125 and 150.

At 200 per cent a glyph is its 100 per cent map with every pixel doubled. Magenta ('.') is
what the button leaves undrawn.
"""

# A floppy disk (the file output): 16 x 16 at 4 bits.
SAVE = {
    16: """
................
.nnnnnnnnnnnnnn.
.nnswwwwwwwwsnn.
.nnswggggggwsnn.
.nnswwwwwwwwsnn.
.nnswggggggwsnn.
.nnswwwwwwwwsnn.
.nnssssssssssnn.
.nnnnnnnnnnnnnn.
.nnnssssssssnnn.
.nnnsskkkssssnn.
.nnnsskkksssnnn.
.nnnsskkksssnnn.
.nnnssssssssnnn.
..nnnnnnnnnnnnn.
................
""",
    20: """
....................
.nnnnnnnnnnnnnnnnnn.
.nnnswwwwwwwwwwsnnn.
.nnnswggggggggwsnnn.
.nnnswwwwwwwwwwsnnn.
.nnnswwwwwwwwwwsnnn.
.nnnswggggggggwsnnn.
.nnnswwwwwwwwwwsnnn.
.nnnswwwwwwwwwwsnnn.
.nnnssssssssssssnnn.
.nnnnnnnnnnnnnnnnnn.
.nnnnssssssssssnnnn.
.nnnnsskkkksssssnnn.
.nnnnsskkkkssssnnnn.
.nnnnsskkkkssssnnnn.
.nnnnsskkkkssssnnnn.
.nnnnssssssssssnnnn.
.nnnnnnnnnnnnnnnnnn.
..nnnnnnnnnnnnnnnnn.
....................
""",
    24: """
........................
.nnnnnnnnnnnnnnnnnnnnnn.
.nnnswwwwwwwwwwwwwwsnnn.
.nnnswwwwwwwwwwwwwwsnnn.
.nnnswwggggggggggwwsnnn.
.nnnswwwwwwwwwwwwwwsnnn.
.nnnswwwwwwwwwwwwwwsnnn.
.nnnswwggggggggggwwsnnn.
.nnnswwwwwwwwwwwwwwsnnn.
.nnnswwwwwwwwwwwwwwsnnn.
.nnnssssssssssssssssnnn.
.nnnnnnnnnnnnnnnnnnnnnn.
.nnnnnnnnnnnnnnnnnnnnnn.
.nnnnnssssssssssssnnnnn.
.nnnnnssssssssssssnnnnn.
.nnnnnssskkkkssssssnnnn.
.nnnnnssskkkksssssnnnnn.
.nnnnnssskkkksssssnnnnn.
.nnnnnssskkkksssssnnnnn.
.nnnnnssssssssssssnnnnn.
.nnnnnssssssssssssnnnnn.
.nnnnnnnnnnnnnnnnnnnnnn.
..nnnnnnnnnnnnnnnnnnnnn.
........................
""",
}

# A clipboard with a sheet (the clipboard output): 16 x 16 at 8 bits.
CLIPBOARD = {
    16: """
......gggg......
..oooggssggooo..
.oOOgssssssgOOo.
.oOwwwwwwwwwwOo.
.oOwggggggggwOo.
.oOwwwwwwwwwwOo.
.oOwggggggwwwOo.
.oOwwwwwwwwwwOo.
.oOwggggggggwOo.
.oOwwwwwwwwwwOo.
.oOwgggggwwwwOo.
.oOwwwwwwwwwwOo.
.oOwwwwwwwwwwOo.
.oOOOOOOOOOOOOo.
..oooooooooooo..
................
""",
    20: """
........gggg........
..oooooggssggooooo..
.oOOOOgssssssgOOOOo.
.oOOOgssssssssgOOOo.
.oOOwwwwwwwwwwwwOOo.
.oOOwggggggggggwOOo.
.oOOwwwwwwwwwwwwOOo.
.oOOwwwwwwwwwwwwOOo.
.oOOwggggggggwwwOOo.
.oOOwwwwwwwwwwwwOOo.
.oOOwwwwwwwwwwwwOOo.
.oOOwggggggggggwOOo.
.oOOwwwwwwwwwwwwOOo.
.oOOwwwwwwwwwwwwOOo.
.oOOwggggggwwwwwOOo.
.oOOwwwwwwwwwwwwOOo.
.oOOOOOOOOOOOOOOOOo.
.oOOOOOOOOOOOOOOOOo.
..oooooooooooooooo..
....................
""",
    24: """
.........gggggg.........
..ooooooggssssggoooooo..
.oOOOOOgssssssssgOOOOOo.
.oOOOOgssssssssssgOOOOo.
.oOOwwwwwwwwwwwwwwwwOOo.
.oOOwwwwwwwwwwwwwwwwOOo.
.oOOwwggggggggggggwwOOo.
.oOOwwwwwwwwwwwwwwwwOOo.
.oOOwwwwwwwwwwwwwwwwOOo.
.oOOwwgggggggggwwwwwOOo.
.oOOwwwwwwwwwwwwwwwwOOo.
.oOOwwwwwwwwwwwwwwwwOOo.
.oOOwwggggggggggggwwOOo.
.oOOwwwwwwwwwwwwwwwwOOo.
.oOOwwwwwwwwwwwwwwwwOOo.
.oOOwwggggggggwwwwwwOOo.
.oOOwwwwwwwwwwwwwwwwOOo.
.oOOwwwwwwwwwwwwwwwwOOo.
.oOOwwwwwwwwwwwwwwwwOOo.
.oOOwwwwwwwwwwwwwwwwOOo.
.oOOOOOOOOOOOOOOOOOOOOo.
.oOOOOOOOOOOOOOOOOOOOOo.
..oooooooooooooooooooo..
........................
""",
}

# An information mark (the About dialog): 16 x 16 at 8 bits.
ABOUT = {
    16: """
................
.....BBBBBB.....
...BBLLLLLLBB...
..BLLLLwwLLLLB..
..BLLLLwwLLLLB..
.BLLLLLLLLLLLLB.
.BLLLLwwwLLLLLB.
.BLLLLLwwLLLLLB.
.BLLLLLwwLLLLLB.
.BLLLLLwwLLLLLB.
..BLLLLwwLLLLB..
..BLLLwwwwLLLB..
...BBLLLLLLBB...
.....BBBBBB.....
................
................
""",
    20: """
....................
......BBBBBBBB......
.....BLLLLLLLLB.....
...BBLLLLLLLLLLBB...
..BLLLLLLwwLLLLLLB..
..BLLLLLLwwLLLLLLB..
.BLLLLLLLLLLLLLLLLB.
.BLLLLLLwwwLLLLLLLB.
.BLLLLLLLwwLLLLLLLB.
.BLLLLLLLwwLLLLLLLB.
.BLLLLLLLwwLLLLLLLB.
.BLLLLLLLwwLLLLLLLB.
.BLLLLLLLwwLLLLLLLB.
..BLLLLLLwwLLLLLLB..
..BLLLLLwwwwLLLLLB..
...BBLLLLLLLLLLBB...
.....BLLLLLLLLB.....
......BBBBBBBB......
....................
....................
""",
    24: """
........................
.......BBBBBBBBB........
.....BBLLLLLLLLLBB......
....BLLLLLLLLLLLLLB.....
...BLLLLLLwwwLLLLLLB....
..BLLLLLLLwwwLLLLLLLB...
..BLLLLLLLwwwLLLLLLLB...
.BLLLLLLLLLLLLLLLLLLLB..
.BLLLLLLLLLLLLLLLLLLLB..
.BLLLLLLLwwwwLLLLLLLLB..
.BLLLLLLLLwwwLLLLLLLLB..
.BLLLLLLLLwwwLLLLLLLLB..
.BLLLLLLLLwwwLLLLLLLLB..
.BLLLLLLLLwwwLLLLLLLLB..
.BLLLLLLLLwwwLLLLLLLLB..
..BLLLLLLLwwwLLLLLLLB...
..BLLLLLLLwwwLLLLLLLB...
...BLLLLLwwwwwLLLLLB....
....BLLLLLLLLLLLLLB.....
.....BBLLLLLLLLLBB......
.......BBBBBBBBB........
........................
........................
........................
""",
}

# A door and an arrow leaving it (quit): 12 x 12 at 24 bits.
EXIT = {
    12: """
.RRRRRR.....
.RooooR.....
.RooooR.....
.RooooR..l..
.RooooR..ll.
.RooyoR.llll
.RooooR..ll.
.RooooR..l..
.RooooR.....
.RooooR.....
.RRRRRR.....
............
""",
    15: """
.RRRRRRRR......
.RooooooR......
.RooooooR......
.RooooooR..l...
.RooooooR..ll..
.RooooooR..lll.
.RooooyoR.lllll
.RooooooR..lll.
.RooooooR..ll..
.RooooooR..l...
.RooooooR......
.RooooooR......
.RRRRRRRR......
...............
...............
""",
    18: """
.RRRRRRRRR........
.RoooooooR........
.RoooooooR........
.RoooooooR........
.RoooooooR........
.RoooooooR....l...
.RoooooooR....ll..
.RoooooooR....lll.
.RooooyyoR..llllll
.RooooyyoR....lll.
.RoooooooR....ll..
.RoooooooR....l...
.RoooooooR........
.RoooooooR........
.RoooooooR........
.RoooooooR........
.RRRRRRRRR........
..................
""",
}
