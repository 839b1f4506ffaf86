"""Selection of units from a list file. The generator is the C runtime's,
never seeded and kept per thread, so each selection runs in a fresh thread
where it starts from the state 1."""

import pytest

import tessara
from conftest import in_fresh_thread, list_text


class RuntimeGenerator:
    """The runtime's linear congruential generator, as a reference."""

    def __init__(self):
        self.state = 1

    def __call__(self):
        self.state = (self.state * 214013 + 2531011) % 2 ** 32
        return (self.state >> 16) & 0x7FFF


def reference_shuffle(count, draw):
    order = list(range(count))
    for position in range(1, count):
        j = draw() % (position + 1)  # lists below 32768 lines: one draw each
        order[position], order[j] = order[j], order[position]
    return order


def read_lines(path):
    data = path.read_bytes()
    assert data == b"" or data.endswith(b"\r\n")
    return data.decode("latin-1").split("\r\n")[:-1]


def test_five_units_in_the_order_drawn(write_list, tmp_path):
    units = write_list("u1\nu2\nu3\nu4\nu5\n")
    output = tmp_path / "sample.txt"

    def twice():
        first = read_lines(tessara.select_simple_random(5, units, output))
        return first, read_lines(tessara.select_simple_random(5, units, output))
    first, second = in_fresh_thread(twice)
    assert first == ["u5", "u2", "u4", "u3", "u1"]
    # A second selection goes on with the sequence.
    assert second == ["u1", "u3", "u4", "u5", "u2"]


@pytest.mark.parametrize("count, units", [(1, 1), (20, 7), (300, 300)])
def test_draws_match_the_runtime_generator(write_list, tmp_path, count, units):
    lines = ["farm %d|%d" % (number, number * 7) for number in range(1, count + 1)]
    listing = write_list("\n".join(lines) + "\n")
    result = in_fresh_thread(
        lambda: tessara.select_simple_random(units=units, input=listing,
                                             output=tmp_path / "out.txt"))
    assert result == tmp_path / "out.txt"
    order = reference_shuffle(count, RuntimeGenerator())
    # Lines are written whole, separators included.
    assert read_lines(result) == [list_text(lines[index]).decode() for index in order[:units]]


def test_an_existing_output_is_replaced(write_list, tmp_path):
    output = tmp_path / "out.txt"
    output.write_bytes(b"old line\r\nanother\r\n")
    tessara.select_simple_random(1, write_list("only\n"), str(output))
    assert output.read_bytes() == b"only\r\n"


@pytest.mark.parametrize("text, units, expected", [
    # Interval 4 from the start 1: a large unit is listed once with r, a
    # unit between two positions is left out.
    ("a|2\nb|2\nc|8\n", 3, ["a,1", "c,2"]),
    ("a|1\nb|8\nc|1\n", 1, ["a,1"]),  # units not hit are left out
    ("u7 |12\n", 1, ["u7 ,1"]),  # the identifier is written as it stood
    ("a|5\n\nb|5\n", 1, ["a,1"]),  # the list ends at the first empty line
])
def test_proportional_to_size(write_list, tmp_path, text, units, expected):
    output = tmp_path / "out.txt"
    result = in_fresh_thread(
        lambda: tessara.select_proportional_to_size(units, write_list(text), output))
    assert read_lines(result) == expected


def test_proportional_start_moves_with_the_generator(write_list, tmp_path):
    listing = write_list("a|1\nb|8\nc|1\n")

    def twice():
        first = tessara.select_proportional_to_size(1, listing, tmp_path / "1.txt")
        return read_lines(first), read_lines(
            tessara.select_proportional_to_size(1, listing, tmp_path / "2.txt"))
    # Starts 1 and then 6 of the interval 10: a, then b.
    assert in_fresh_thread(twice) == (["a,1"], ["b,1"])


def test_bad_lines_name_their_row(write_list, tmp_path):
    with pytest.raises(tessara.errors.InvalidInputRecordBySize) as raised:
        tessara.select_proportional_to_size(1, write_list("a|5\nb\n"), tmp_path / "o.txt")
    assert raised.value.row == 2
    assert str(raised.value).startswith("The input file contains an error at row: 2")
    with pytest.raises(tessara.errors.InvalidInputRecord) as raised:
        tessara.select_simple_random(1, write_list("a\n" + "n" * 300 + "\n"), tmp_path / "o.txt")
    assert raised.value.row == 2


def test_a_missing_list_is_reported_with_its_path(tmp_path):
    missing = tmp_path / "no such list.txt"
    for select in (tessara.select_simple_random, tessara.select_proportional_to_size):
        with pytest.raises(tessara.errors.InputFileNotFound):
            select(1, missing, tmp_path / "out.txt")
        assert not (tmp_path / "out.txt").exists()
